#pragma once

#include <cstdint>
#include <string>

#include "engine/game_settings.h"

namespace pipwick {

// The player's preferences, read from the settings file at start-up (defaults here) and changed
// only by the preference dialogs and the number-of-players commands. The game reads the part it
// shares with the rules; the rest says how the windows name, voice and draw the players.
struct Settings : GameSettings {
    std::string PlayerNames[5] = {"", "Player", "Lefty", "TopGun", "RightStuff"};
    int32_t PlayerGender[5] = {0, 0, 0, 1, 0};  // 0 male, 1 female; players 2..4
    int32_t DominoSet = 2;
    int32_t SoundOn = 1;
    int32_t DoubleClickDrawPass = 0;
    int32_t TableSizeSetting = 0;
    // The table's background: one of seven colours ("bkcolor"), or from 8 on the custom one.
    int32_t BackgroundColorChoice = 4;
    int32_t BackgroundRed = 0;
    int32_t BackgroundGreen = 128;
    int32_t BackgroundBlue = 128;
    // Marks on the table where a picked-up tile can go ("marks"): 1 on, 0 off.
    int32_t ShowWhereTilesGo = 1;
};

}  // namespace pipwick
