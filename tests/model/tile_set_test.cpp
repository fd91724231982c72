#include "model/tile_set.h"

#include <gtest/gtest.h>

namespace pipwick {
namespace {

// Tiles are numbered through the suits in order: 0-0 to 0-6 are 1 to 7, 1-1 is 8, and so on up
// to 6-6, tile 28. The doubles are the first tile of each suit.
TEST(TileSet, NumbersTheSuitsInOrder) {
    int tile = 0;
    for (int low = 0; low <= 6; ++low) {
        for (int high = low; high <= 6; ++high) {
            ++tile;
            EXPECT_EQ(LowPip(tile), low) << tile;
            EXPECT_EQ(HighPip(tile), high) << tile;
            EXPECT_EQ(IsDouble(tile), low == high) << tile;
            EXPECT_EQ(TileWithPips(low, high), tile);
            EXPECT_EQ(TileWithPips(high, low), tile);
        }
    }
    EXPECT_EQ(tile, kTileCount);
}

}  // namespace
}  // namespace pipwick
