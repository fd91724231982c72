#pragma once

#include <cstdint>

namespace pipwick {

// Where a pip value puts its pips on one half of a tile, as (column, row): columns 0 left,
// 1 middle, 2 right and rows 0 top, 1 middle, 2 bottom, in the order the pips are drawn.
struct PipPlace {
    int8_t column, row;
};
struct PipPattern {
    int8_t count;
    PipPlace places[6];
};

// The halves of an upright tile.
inline constexpr PipPattern kUprightPips[7] = {
    {0, {}},
    {1, {{1, 1}}},
    {2, {{0, 2}, {2, 0}}},
    {3, {{1, 1}, {0, 2}, {2, 0}}},
    {4, {{0, 2}, {2, 0}, {0, 0}, {2, 2}}},
    {5, {{1, 1}, {0, 2}, {2, 0}, {0, 0}, {2, 2}}},
    {6, {{0, 2}, {2, 0}, {0, 0}, {2, 2}, {0, 1}, {2, 1}}},
};

// The halves of a lying tile, turned a quarter: columns run along the tile, rows across it.
inline constexpr PipPattern kLyingPips[7] = {
    {0, {}},
    {1, {{1, 1}}},
    {2, {{0, 0}, {2, 2}}},
    {3, {{1, 1}, {0, 0}, {2, 2}}},
    {4, {{0, 0}, {2, 2}, {0, 2}, {2, 0}}},
    {5, {{0, 0}, {2, 2}, {0, 2}, {2, 0}, {1, 1}}},
    {6, {{0, 0}, {2, 2}, {0, 2}, {2, 0}, {1, 0}, {1, 2}}},
};

}  // namespace pipwick
