#include "shell/preference_commands.h"

#include "shell/general_preferences_dialog.h"
#include "shell/player_preferences_dialog.h"

namespace pipwick {

int32_t StoredTableSize(int32_t chosen, int32_t screenWidth) {
    int32_t size = chosen > 3 ? 3 : chosen;
    if (size >= 2 && screenWidth < 801) {
        size = 0;
    }
    if (size == 3 && screenWidth < 1280) {
        size = 0;
    }
    return size;
}

PreferenceCommands::PreferenceCommands(Settings& settings, SettingsFile& file,
                                       const ScreenSize& screen, const Windows& windows,
                                       Prompts& prompts, ResourceSource sample,
                                       DialogRunner runDialog)
    : settings_(settings),
      file_(file),
      screen_(screen),
      windows_(windows),
      prompts_(prompts),
      sample_(std::move(sample)),
      runDialog_(std::move(runDialog)) {
    if (!runDialog_) {
        runDialog_ = [](QDialog& dialog) { return dialog.exec(); };
    }
    windows_.human->SetCommandHandler(Command::kGeneralPreferences,
                                      [this] { GeneralPreferences(); });
    windows_.human->SetCommandHandler(Command::kPlayerPreferences, [this] { PlayerPreferences(); });
}

// Sound, delay and double-click were applied by the dialog's OK. The rest is applied here, and
// only when something changed, or the colour is custom (its values may have been retyped): the
// table then reloads its artwork and redraws every tile half a second later. The domino size
// takes effect at the next start.
void PreferenceCommands::GeneralPreferences() {
    const int32_t oldColour = file_.Int("bkcolor", 4);
    GeneralPreferenceValues values;
    values.speed = settings_.Speed;
    values.colour = oldColour;
    values.tableSize = settings_.TableSizeSetting;
    GeneralPreferencesDialog dialog(windows_.human, settings_, file_, values, sample_, prompts_);
    if (runDialog_(dialog) != QDialog::Accepted) {
        return;
    }
    if (values.colour == oldColour && values.colour != kCustomColour &&
        values.dominoSet == settings_.DominoSet && values.speed == settings_.Speed &&
        values.tableSize == settings_.TableSizeSetting) {
        return;
    }
    if (values.colour != oldColour || values.colour == kCustomColour) {
        settings_.BackgroundColorChoice = values.colour;
        file_.WriteInt("bkcolor", values.colour);
        if (values.colour == kCustomColour) {
            settings_.BackgroundRed = values.red;
            settings_.BackgroundGreen = values.green;
            settings_.BackgroundBlue = values.blue;
            file_.WriteInt("bkred", values.red);
            file_.WriteInt("bkgreen", values.green);
            file_.WriteInt("bkblue", values.blue);
        }
    }
    if (values.dominoSet != settings_.DominoSet) {
        settings_.DominoSet = values.dominoSet;
        file_.WriteInt("domset", values.dominoSet);
    }
    if (values.speed != settings_.Speed) {
        settings_.Speed = values.speed;
        file_.WriteInt("speed", values.speed);
    }
    if (values.tableSize != settings_.TableSizeSetting) {
        settings_.TableSizeSetting = StoredTableSize(values.tableSize, screen_.width);
        file_.WriteInt("tblsz", settings_.TableSizeSetting);
    }
    windows_.table->SetBackgroundColour(BackgroundColorOf(BackgroundOf(settings_)));
    windows_.table->ReloadSoon();
}

// The captions show the names alone until the next announcement adds the scores again.
void PreferenceCommands::PlayerPreferences() {
    PlayerPreferencesDialog dialog(windows_.human, settings_, file_);
    if (runDialog_(dialog) != QDialog::Accepted) {
        return;
    }
    windows_.human->SetCaption(QString::fromStdString(settings_.PlayerNames[1]));
    for (int player = 2; player <= 4; ++player) {
        windows_.Opponent(player).SetCaption(QString::fromStdString(settings_.PlayerNames[player]));
    }
}

}  // namespace pipwick
