#pragma once

#include <cstdint>

namespace pipwick {

// How well a computer player plays. The values are what the settings file stores.
enum class Level : int32_t {
    Beginner = 0,
    Advanced = 1,
    Expert = 2,
};

// The best level there is: the hint asks this one. A stronger level added above moves this too.
constexpr Level kStrongestLevel = Level::Expert;
// The highest value a level setting holds.
constexpr int32_t kStrongestLevelSetting = static_cast<int32_t>(kStrongestLevel);

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
