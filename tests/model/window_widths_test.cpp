#include "model/window_widths.h"

#include <gtest/gtest.h>

namespace pipwick {
namespace {

TEST(WindowWidths, WindowsWidenFromTheEighthTileOn) {
    EXPECT_EQ(SevenTileWidth(381, 1.5), 262);
    EXPECT_EQ(WidthForTiles(6, 1.5), 0);
    EXPECT_EQ(WidthForTiles(7, 1.5), 262);
    EXPECT_EQ(WidthForTiles(8, 1.5), 300);
    EXPECT_EQ(WidthForTiles(21, 1.0), 525);
}

struct WidthCase {
    int tiles;
    double scale;
    int32_t width;
};

class WidthAfterOpening : public ::testing::TestWithParam<WidthCase> {};

TEST_P(WidthAfterOpening, FollowsTheHand) {
    const auto [tiles, scale, width] = GetParam();
    GameState state;
    ResetGameState(state);
    for (int slot = 0; slot < tiles; ++slot) {
        state.Hand[2][slot] = slot + 1;
    }
    EXPECT_EQ(HandWindowWidthAfterOpening(state, 2, scale), width);
}

// Seven tiles' worth is 175 units; from seven tiles on 25 units a tile, truncated, up to a full
// hand.
INSTANTIATE_TEST_SUITE_P(Hands, WidthAfterOpening,
                         ::testing::Values(WidthCase{9, 1.0, 225}, WidthCase{9, 1.5, 337},
                                           WidthCase{9, 2.0, 450}, WidthCase{3, 1.0, 175},
                                           WidthCase{3, 1.5, 262}, WidthCase{0, 2.0, 350},
                                           WidthCase{7, 1.5, 262}, WidthCase{20, 1.5, 750},
                                           WidthCase{21, 1.5, 787}));

// A window wider than the room right of its place moves left until it fits, and no further than
// the screen's left edge.
TEST(WindowWidths, AWideWindowStaysOnTheScreen) {
    const struct {
        int32_t home;
        int32_t width;
        int32_t left;
    } cases[] = {{381, 262, 381}, {381, 643, 381}, {381, 787, 237}, {381, 1100, 0}, {0, 787, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(LeftOnScreen(c.home, c.width, 1024), c.left) << c.width;
    }
}

}  // namespace
}  // namespace pipwick
