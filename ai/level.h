#pragma once

#include <cstdint>

namespace pipwick {

// How well a computer player plays. The values are what the settings file stores.
enum class Level : int32_t {
    Beginner = 0,
    Advanced = 1,
};

// The best level there is: the hint asks this one. A stronger level added above moves this too.
constexpr Level kStrongestLevel = Level::Advanced;

// The level a stored setting stands for. 0 is a Beginner; every other value has always played
// as Advanced, and settings files written that way keep playing so.
constexpr Level LevelFromSetting(int32_t setting) {
    return setting == static_cast<int32_t>(Level::Beginner) ? Level::Beginner : Level::Advanced;
}

}  // namespace pipwick
