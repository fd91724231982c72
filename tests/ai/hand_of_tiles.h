#pragma once

#include <algorithm>
#include <initializer_list>

#include "ai/computer_player.h"
#include "model/tile_set.h"

namespace pipwick {

// A tile by its two pips, as the tests write them: T(6, 4).
inline int32_t T(int a, int b) {
    return TileWithPips(a, b);
}

// A hand written as its tiles, slot by slot; the slots after them are empty.
struct Hand {
    int32_t slots[kHandSlots] = {};
    Hand(std::initializer_list<int32_t> tiles) { std::copy(tiles.begin(), tiles.end(), slots); }
    int32_t TileOf(const Play& play) const { return slots[play.slot]; }
};

}  // namespace pipwick
