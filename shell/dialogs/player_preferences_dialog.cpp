#include "shell/dialogs/player_preferences_dialog.h"

#include <vector>

#include "ai/level.h"
#include "texts/spoken_texts.h"
#include "ui_player_preferences_dialog.h"

namespace pipwick {

PlayerPreferencesDialog::PlayerPreferencesDialog(QWidget* owner, SettingsStore& store)
    : QDialog(owner), ui_(std::make_unique<Ui::PlayerPreferencesDialog>()), store_(store) {
    ui_->setupUi(this);
    setFixedSize(size());
    const Settings& settings = store_.Values();
    for (int player = 2; player <= 4; ++player) {
        GenderButton(player, settings.PlayerGender[player] != 0).setChecked(true);
        LevelButton(player, static_cast<int>(LevelFromSetting(settings.PlayerLevel[player])))
            .setChecked(true);
    }
    for (int player = 1; player <= 4; ++player) {
        NameBox(player).setText(QString::fromStdString(settings.PlayerNames[player]));
    }
    for (int player = 2; player <= 4; ++player) {
        NameButtons(player);
        connect(&NameBox(player), &QLineEdit::textChanged, this,
                [this, player] { NameButtons(player); });
    }
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, [this] { OkStep(); });
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PlayerPreferencesDialog::~PlayerPreferencesDialog() = default;

QLineEdit& PlayerPreferencesDialog::NameBox(int player) const {
    QLineEdit* boxes[5] = {nullptr, ui_->name1, ui_->name2, ui_->name3, ui_->name4};
    return *boxes[player];
}

QRadioButton& PlayerPreferencesDialog::GenderButton(int player, bool female) const {
    QRadioButton* buttons[5][2] = {
        {}, {}, {ui_->male2, ui_->female2}, {ui_->male3, ui_->female3}, {ui_->male4, ui_->female4}};
    return *buttons[player][female ? 1 : 0];
}

QRadioButton& PlayerPreferencesDialog::LevelButton(int player, int level) const {
    QRadioButton* buttons[5][3] = {{},
                                   {},
                                   {ui_->beginner2, ui_->advanced2, ui_->expert2},
                                   {ui_->beginner3, ui_->advanced3, ui_->expert3},
                                   {ui_->beginner4, ui_->advanced4, ui_->expert4}};
    return *buttons[player][level];
}

// Each column of buttons looks alike; a screen reader says whose each one is: "Lefty: Advanced".
void PlayerPreferencesDialog::NameButtons(int player) {
    std::vector<QRadioButton*> buttons{&GenderButton(player, false), &GenderButton(player, true)};
    for (int level = 0; level <= kStrongestLevelSetting; ++level) {
        buttons.push_back(&LevelButton(player, level));
    }
    for (QRadioButton* button : buttons) {
        button->setAccessibleName(QString::fromLatin1(text::kWhoseSetting)
                                      .arg(NameBox(player).text(), button->text().remove('&')));
    }
}

void PlayerPreferencesDialog::OkStep() {
    for (int player = 2; player <= 4; ++player) {
        store_.Set(GenderSetting(player), GenderButton(player, true).isChecked() ? 1 : 0);
    }
    for (int player = 2; player <= 4; ++player) {
        int32_t level = 0;
        for (int higher = 1; higher <= kStrongestLevelSetting; ++higher) {
            level = LevelButton(player, higher).isChecked() ? higher : level;
        }
        store_.Set(LevelSetting(player), level);
    }
    for (int player = 1; player <= 4; ++player) {
        store_.SetName(player, NameBox(player).text());
    }
    accept();
}

}  // namespace pipwick
