#include "shell/player_preferences_dialog.h"

#include "ui_player_preferences_dialog.h"

namespace pipwick {

namespace {

constexpr const char* kNameKeys[5] = {"", "pnm1", "pnm2", "pnm3", "pnm4"};
constexpr const char* kGenderKeys[5] = {"", "", "pn2g", "pn3g", "pn4g"};
constexpr const char* kLevelKeys[5] = {"", "", "pn2l", "pn3l", "pn4l"};

}  // namespace

// Any gender but 0 is a female voice and any level but 0 is Advanced, as the game reads them, so
// an odd value from the file still checks one button of its pair.
PlayerPreferencesDialog::PlayerPreferencesDialog(QWidget* owner, Settings& settings,
                                                 SettingsFile& file)
    : QDialog(owner),
      ui_(std::make_unique<Ui::PlayerPreferencesDialog>()),
      settings_(settings),
      file_(file) {
    ui_->setupUi(this);
    setFixedSize(size());
    for (int player = 2; player <= 4; ++player) {
        GenderButton(player, settings_.PlayerGender[player] != 0).setChecked(true);
        LevelButton(player, settings_.PlayerLevel[player] != 0).setChecked(true);
    }
    for (int player = 1; player <= 4; ++player) {
        NameBox(player).setText(QString::fromStdString(settings_.PlayerNames[player]));
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

QRadioButton& PlayerPreferencesDialog::LevelButton(int player, bool advanced) const {
    QRadioButton* buttons[5][2] = {{},
                                   {},
                                   {ui_->beginner2, ui_->advanced2},
                                   {ui_->beginner3, ui_->advanced3},
                                   {ui_->beginner4, ui_->advanced4}};
    return *buttons[player][advanced ? 1 : 0];
}

void PlayerPreferencesDialog::OkStep() {
    for (int player = 2; player <= 4; ++player) {
        settings_.PlayerGender[player] = GenderButton(player, true).isChecked() ? 1 : 0;
        file_.WriteInt(kGenderKeys[player], settings_.PlayerGender[player]);
    }
    for (int player = 2; player <= 4; ++player) {
        settings_.PlayerLevel[player] = LevelButton(player, true).isChecked() ? 1 : 0;
        file_.WriteInt(kLevelKeys[player], settings_.PlayerLevel[player]);
    }
    for (int player = 1; player <= 4; ++player) {
        const QString name = CutName(NameBox(player).text());
        settings_.PlayerNames[player] = name.toStdString();
        file_.WriteText(kNameKeys[player], settings_.PlayerNames[player]);
    }
    accept();
}

}  // namespace pipwick
