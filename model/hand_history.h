#pragma once

#include <cstdint>

namespace pipwick {

// What everyone at the table has seen happen in the current hand: who laid which tile, who drew
// and who passed, each with the open ends of that moment. A drawn tile is not kept: only the
// player who drew it has seen it. The record starts afresh with every hand and is not part of a
// saved game, so a game that was opened has none for the hand it resumes.
enum class HandEventKind : int32_t {
    kPlay = 0,
    kDraw = 1,
    kPass = 2,
};

struct HandEvent {
    HandEventKind Kind;
    int32_t Player;
    int32_t Tile;      // the tile laid; 0 for a draw or a pass
    int32_t OpenPips;  // bit p is set when an open arm asked for pip p just before the event
};

// 28 plays, 14 draws, and at most five passes after each play (the human's pass is counted but
// ends nothing, so the fifth pass of four players blocks the hand) stay below this.
constexpr int kMaxHandEvents = 192;

struct HandHistory {
    int32_t Count;
    HandEvent Events[kMaxHandEvents];
};

}  // namespace pipwick
