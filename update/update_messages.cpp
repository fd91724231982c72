#include "update/update_messages.h"

#include <QMessageBox>

#include "texts/texts.h"
#include "texts/translation.h"

namespace pipwick {

QString MessageText(const char* english) {
    return QString::fromStdString(text::Translate(english));
}

namespace {

int Run(QWidget* owner, QMessageBox::Icon icon, const QString& text,
        QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromLatin1(text::kAppTitle), text, buttons, owner);
    // The table window stays above ordinary windows; the message must not hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

}  // namespace

void MessageBoxes::Tell(QWidget* owner, const QString& text) {
    Run(owner, QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void MessageBoxes::Stop(QWidget* owner, const QString& text) {
    Run(owner, QMessageBox::Critical, text, QMessageBox::Ok);
}

bool MessageBoxes::Ask(QWidget* owner, const QString& question) {
    return Run(owner, QMessageBox::NoIcon, question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace pipwick
