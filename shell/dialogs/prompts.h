#pragma once

#include <QString>
#include <QWidget>

#include "model/geometry.h"

namespace pipwick {

// The two modal windows that wait for the player: the yes-or-no question and the status pop-up.
// They sit behind this seam so tests can answer them without anyone at the screen.
class Prompts {
  public:
    virtual ~Prompts() = default;
    // A question with Yes and No buttons and an information icon; true for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& question) = 0;
    // Shows text in the status pop-up at where; returns once it has closed.
    virtual void ShowPopup(QWidget* owner, const QString& text, const Rect& where) = 0;
    // The file dialog for a saved game, opening at where: a folder, or the path of a file whose
    // name it proposes. The chosen path, empty when cancelled.
    virtual QString ChooseGameFile(QWidget* owner, const QString& title, bool forSave,
                                   const QString& where) = 0;
    // A message box with an exclamation icon and the program's title; returns once it is closed.
    virtual void Warn(QWidget* owner, const QString& text) = 0;
};

// The real windows.
class WindowPrompts : public Prompts {
  public:
    bool AskYesNo(QWidget* owner, const QString& question) override;
    void ShowPopup(QWidget* owner, const QString& text, const Rect& where) override;
    void Warn(QWidget* owner, const QString& text) override;
    QString ChooseGameFile(QWidget* owner, const QString& title, bool forSave,
                           const QString& where) override;
};

}  // namespace pipwick
