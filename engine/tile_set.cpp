#include "engine/tile_set.h"

#include <utility>

namespace pipwick {

namespace {

constexpr TilePipTable BuildTilePips() {
    TilePipTable table{};
    int id = 1;
    for (int low = 0; low <= 6; ++low) {
        for (int high = low; high <= 6; ++high) {
            table.low[id] = low;
            table.high[id] = high;
            ++id;
        }
    }
    return table;
}

}  // namespace

const TilePipTable TilePips = BuildTilePips();

int32_t TileWithPips(int32_t a, int32_t b) {
    if (a > b) {
        std::swap(a, b);
    }
    // Suit a starts after the 7 + 6 + ... tiles of the suits below it.
    return a * 7 - a * (a - 1) / 2 + (b - a) + 1;
}

}  // namespace pipwick
