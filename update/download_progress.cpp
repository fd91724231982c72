#include "update/download_progress.h"

#include "texts/texts.h"
#include "update/update_messages.h"

namespace pipwick {

ProgressDialog::ProgressDialog(QWidget* owner)
    : dialog_(MessageText(text::kDownloading), MessageText(text::kCancel), 0, 1000, owner) {
    dialog_.setWindowTitle(QString::fromLatin1(text::kAppTitle));
    dialog_.setWindowModality(Qt::ApplicationModal);
    // The table window stays above ordinary windows; the dialog must not hide behind it.
    dialog_.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
    QObject::connect(&dialog_, &QProgressDialog::canceled, [this] {
        if (cancel_) {
            cancel_();
        }
    });
    dialog_.show();
}

void ProgressDialog::Show(qint64 received, qint64 length) {
    const qint64 permille = length > 0 ? received * 1000 / length : 0;
    dialog_.setValue(static_cast<int>(permille));
}

}  // namespace pipwick
