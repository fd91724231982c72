#pragma once

#include <cstdint>

// The windows' own pauses, in milliseconds (the game's pauses are in engine/game.h).
namespace pipwick::timing {

// A player window corrects its height once, this long after it was placed, when its frame and
// menu bar have taken their room.
constexpr int32_t kHeightCheck = 500;
// The table window rebuilds its pictures this long after the domino set changed.
constexpr int32_t kTableReload = 500;
// The status pop-up closes itself after this long.
constexpr int32_t kPopupClose = 10000;

}  // namespace pipwick::timing
