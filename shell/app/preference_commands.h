#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "assets/image_store.h"
#include "shell/dialogs/prompts.h"
#include "shell/storage/settings_store.h"
#include "shell/windows/qt_game_view.h"
#include "shell/windows/window_rects.h"

namespace pipwick {

// Runs a modal dialog and gives its result; tests fill the dialog in and press its buttons.
using DialogRunner = std::function<int(QDialog&)>;

// The table size to store for the one chosen: above 3 is Large; Medium and Large need a screen
// wider than 800 pixels and Large one at least 1280 wide, else Auto.
int32_t StoredTableSize(int32_t chosen, int32_t screenWidth);

// The General and Player preferences commands (Ctrl+G, Ctrl+P): each runs its dialog and applies
// what OK gave.
class PreferenceCommands {
  public:
    // runDialog empty: the dialogs run modally. sample gives bitmap 172.
    PreferenceCommands(SettingsStore& store, const ScreenSize& screen, const Windows& windows,
                       Prompts& prompts, ResourceSource sample, DialogRunner runDialog);

    void GeneralPreferences();
    void PlayerPreferences();

  private:
    SettingsStore& store_;
    ScreenSize screen_;
    Windows windows_;
    Prompts& prompts_;
    ResourceSource sample_;
    DialogRunner runDialog_;
};

}  // namespace pipwick
