#pragma once

#include <cstdint>

// Every pause of the program, in milliseconds: the game's, taken through the Clock, and the
// windows' own timers. Kept together so that the pace of the whole program reads in one place.
namespace pipwick::pause {

// A computer player waits this long for each second of the delay setting before it moves.
constexpr uint32_t kPerDelaySecond = 1000;
// A computer player that drew waits this long before it looks at its hand again.
constexpr uint32_t kAfterDraw = 500;
// Each step of a tile's flight from a hand to the table.
constexpr uint32_t kFlightStep = 100;

// A player window corrects its height once, this long after it was placed, when its frame and
// menu bar have taken their room.
constexpr int32_t kHeightCheck = 500;
// The table window rebuilds its pictures this long after the domino set changed.
constexpr int32_t kTableReload = 500;
// The status pop-up closes itself after this long.
constexpr int32_t kPopupClose = 10000;

}  // namespace pipwick::pause
