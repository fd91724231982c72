#pragma once

#include <cstdint>

namespace pipwick {

// The double-six set. TileIds 1..28 run through the suits in order (0-0, 0-1, ... 0-6, 1-1, ...
// 6-6); 0 means no tile.
constexpr int kTileCount = 28;
constexpr int kNoTile = 0;
constexpr int kNoPip = 7;  // a closed arm's open pip: never matches a tile

struct TilePipTable {
    int32_t low[kTileCount + 1];
    int32_t high[kTileCount + 1];
};

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

// The table every part of the game reads; built at compile time, never changed.
inline constexpr TilePipTable TilePips = BuildTilePips();

constexpr int32_t LowPip(int32_t tile) {
    return TilePips.low[tile];
}
constexpr int32_t HighPip(int32_t tile) {
    return TilePips.high[tile];
}
constexpr int32_t PipTotal(int32_t tile) {
    return TilePips.low[tile] + TilePips.high[tile];
}
constexpr bool IsDouble(int32_t tile) {
    return TilePips.low[tile] == TilePips.high[tile];
}
constexpr bool Shows(int32_t tile, int32_t pip) {
    return TilePips.low[tile] == pip || TilePips.high[tile] == pip;
}

// The TileId of the tile with pips a and b, in either order: suit a starts after the 7 + 6 + ...
// tiles of the suits below it.
constexpr int32_t TileWithPips(int32_t a, int32_t b) {
    const int32_t low = a < b ? a : b;
    const int32_t high = a < b ? b : a;
    return low * 7 - low * (low - 1) / 2 + (high - low) + 1;
}

}  // namespace pipwick
