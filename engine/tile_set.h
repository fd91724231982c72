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

// The table every Part reads; built once, never changed.
extern const TilePipTable TilePips;

inline int32_t LowPip(int32_t tile) { return TilePips.low[tile]; }
inline int32_t HighPip(int32_t tile) { return TilePips.high[tile]; }
inline int32_t PipTotal(int32_t tile) { return TilePips.low[tile] + TilePips.high[tile]; }
inline bool IsDouble(int32_t tile) { return TilePips.low[tile] == TilePips.high[tile]; }
inline bool Shows(int32_t tile, int32_t pip) {
    return TilePips.low[tile] == pip || TilePips.high[tile] == pip;
}

// The TileId of the tile with pips a and b, in either order.
int32_t TileWithPips(int32_t a, int32_t b);

}  // namespace pipwick
