#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

#include "shell/storage/settings_store.h"

namespace Ui {
class PlayerPreferencesDialog;
}

namespace pipwick {

// The Player preferences dialog: every player's name, and each computer player's gender (his
// voice) and level. OK sets and writes them all; names are cut to their first 14 characters.
class PlayerPreferencesDialog : public QDialog {
  public:
    PlayerPreferencesDialog(QWidget* owner, SettingsStore& store);
    ~PlayerPreferencesDialog() override;

    QLineEdit& NameBox(int player) const;
    // The second button of a pair: female.
    QRadioButton& GenderButton(int player, bool female) const;
    // level 0 Beginner, 1 Advanced, 2 Expert.
    QRadioButton& LevelButton(int player, int level) const;

  private:
    void NameButtons(int player);
    void OkStep();

    std::unique_ptr<Ui::PlayerPreferencesDialog> ui_;
    SettingsStore& store_;
};

}  // namespace pipwick
