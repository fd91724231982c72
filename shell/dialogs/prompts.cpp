#include "shell/dialogs/prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "shell/app/translations.h"
#include "shell/windows/status_popup.h"
#include "texts/texts.h"

namespace pipwick {

bool WindowPrompts::AskYesNo(QWidget* owner, const QString& question) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(text::kAppTitle), question,
                    QMessageBox::Yes | QMessageBox::No, owner);
    // The table window stays above ordinary windows; the question must not hide behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Every question asks whether to give something up, so a hasty Enter keeps it.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// An existing file is replaced without a question, as a save always has been.
QString WindowPrompts::ChooseGameFile(QWidget* owner, const QString& title, bool forSave,
                                      const QString& where) {
    QFileDialog dialog(owner, title, where, Translated(text::kGameFilter));
    dialog.setDefaultSuffix(QString::fromLatin1(text::kGameSuffix));
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (forSave) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
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
