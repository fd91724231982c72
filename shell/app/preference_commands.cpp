#include "shell/app/preference_commands.h"

#include "shell/dialogs/general_preferences_dialog.h"
#include "shell/dialogs/player_preferences_dialog.h"

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

PreferenceCommands::PreferenceCommands(SettingsStore& store, const ScreenSize& screen,
                                       const Windows& windows, Prompts& prompts,
                                       ResourceSource sample, DialogRunner runDialog)
    : store_(store),
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
    const Settings& settings = store_.Values();
    const int32_t oldColour = settings.BackgroundColorChoice;
    GeneralPreferenceValues values;
    values.speed = settings.Speed;
    values.colour = oldColour;
    values.tableSize = settings.TableSizeSetting;
    GeneralPreferencesDialog dialog(windows_.human, store_, values, sample_, prompts_);
    if (runDialog_(dialog) != QDialog::Accepted) {
        return;
    }
    if (values.colour == oldColour && values.colour != kCustomColour &&
        values.dominoSet == settings.DominoSet && values.speed == settings.Speed &&
        values.tableSize == settings.TableSizeSetting) {
        return;
    }
    if (values.colour != oldColour || values.colour == kCustomColour) {
        store_.Set(IntSetting::kBackgroundColour, values.colour);
        if (values.colour == kCustomColour) {
            store_.Set(IntSetting::kBackgroundRed, values.red);
            store_.Set(IntSetting::kBackgroundGreen, values.green);
            store_.Set(IntSetting::kBackgroundBlue, values.blue);
        }
    }
    if (values.dominoSet != settings.DominoSet) {
        store_.Set(IntSetting::kDominoSet, values.dominoSet);
    }
    if (values.speed != settings.Speed) {
        store_.Set(IntSetting::kSpeed, values.speed);
    }
    if (values.tableSize != settings.TableSizeSetting) {
        store_.Set(IntSetting::kTableSize, StoredTableSize(values.tableSize, screen_.width));
    }
    windows_.table->SetBackgroundColour(BackgroundColorOf(BackgroundOf(settings)));
    windows_.table->ReloadSoon();
}

void PreferenceCommands::PlayerPreferences() {
    PlayerPreferencesDialog dialog(windows_.human, store_);
    if (runDialog_(dialog) != QDialog::Accepted) {
        return;
    }
    windows_.ShowNames(store_.Values());
}

}  // namespace pipwick
