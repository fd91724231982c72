#include "shell/prompts.h"

#include <QMessageBox>

#include "shell/status_popup.h"
#include "shell/texts.h"

namespace pipwick {

bool WindowPrompts::AskYesNo(QWidget* owner, const QString& question) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(text::kAppTitle), question,
                    QMessageBox::Yes | QMessageBox::No, owner);
    // The table window stays above ordinary windows; the question must not hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

void WindowPrompts::Warn(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(text::kAppTitle), text,
                    QMessageBox::Ok, owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void WindowPrompts::ShowPopup(QWidget* owner, const QString& text, const Rect& where) {
    StatusPopup popup(owner, text, where);
    popup.exec();
}

}  // namespace pipwick
