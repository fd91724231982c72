#pragma once

#include <cstdint>

namespace pipwick {

// What the rules and the computer players read of the player's preferences: who plays at which
// level, and how fast the game moves. Names, voices and looks are the windows' business.
struct GameSettings {
    int32_t PlayerLevel[5] = {0, 0, 1, 1, 1};  // read through LevelFromSetting
    int32_t Speed = 8;                         // tile flight speed 1..10
    int32_t PlayDelay = 2;                     // seconds before a computer player moves
};

}  // namespace pipwick
