#pragma once

#include <cstdint>

namespace pipwick {

// How well a computer player plays. The values are what the settings file stores.
enum class Level : int32_t {
    Beginner = 0,
    Advanced = 1,
    Expert = 2,
};

// The level the hint asks. It stays Advanced for now: the hint chooses through
// ChooseComputerPlay, and the Expert can only be asked through the engine's hand playouts.
constexpr Level kStrongestLevel = Level::Advanced;

// The level a stored setting stands for. 0 is a Beginner and 2 an Expert; every other value has
// always played as Advanced, and settings files written that way keep playing so.
constexpr Level LevelFromSetting(int32_t setting) {
    switch (setting) {
        case static_cast<int32_t>(Level::Beginner):
            return Level::Beginner;
        case static_cast<int32_t>(Level::Expert):
            return Level::Expert;
        default:
            return Level::Advanced;
    }
}

}  // namespace pipwick
