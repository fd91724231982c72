#include "engine/tile_set.h"

#include <gtest/gtest.h>

namespace pipwick {
namespace {

TEST(TileSet, NumbersTheSuitsInOrder) {
    struct Case {
        int tile, low, high;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{7, 0, 6}, Case{8, 1, 1}, Case{14, 2, 2},
                          Case{19, 3, 3}, Case{26, 5, 5}, Case{27, 5, 6}, Case{28, 6, 6}}) {
        EXPECT_EQ(LowPip(c.tile), c.low) << c.tile;
        EXPECT_EQ(HighPip(c.tile), c.high) << c.tile;
    }
}

TEST(TileSet, DoublesAreTheSevenKnownTiles) {
    int doubles = 0;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (IsDouble(tile)) {
            ++doubles;
            EXPECT_TRUE(tile == 1 || tile == 8 || tile == 14 || tile == 19 || tile == 23 ||
                        tile == 26 || tile == 28)
                << tile;
        }
    }
    EXPECT_EQ(doubles, 7);
}

TEST(TileSet, TileWithPipsInvertsTheTable) {
    for (int tile = 1; tile <= kTileCount; ++tile) {
        EXPECT_EQ(TileWithPips(LowPip(tile), HighPip(tile)), tile);
        EXPECT_EQ(TileWithPips(HighPip(tile), LowPip(tile)), tile);
    }
}

}  // namespace
}  // namespace pipwick
