#include "shell/windows/window_rects.h"

#include <gtest/gtest.h>

#include <vector>

namespace pipwick {
namespace {

TEST(WindowRects, PlayerWindowsSitAtTheScreensEdges) {
    const ScreenSize screen{1024, 768};
    // Bottom centre: 43 x 1.5 + 63 high, 10 pixels above the bottom.
    EXPECT_EQ(HumanWindowRect(screen, 1.5), (Rect{381, 630, 643, 758}));
    // Left edge, ending 25 units above the middle.
    EXPECT_EQ(OpponentWindowRect(1, screen, 1.5), (Rect{3, 250, 265, 346}));
    // Top centre, 3 pixels down.
    EXPECT_EQ(OpponentWindowRect(2, screen, 1.5), (Rect{381, 3, 643, 98}));
    // Right edge, 3 pixels in, starting 25 units below the middle.
    EXPECT_EQ(OpponentWindowRect(3, screen, 1.5), (Rect{758, 421, 1021, 516}));
    EXPECT_EQ(HumanWindowRect({800, 600}, 1.0), (Rect{313, 484, 488, 590}));
}

TEST(WindowRects, ThePopupSitsAboveTheHumansWindowButNotAboveTheScreen) {
    EXPECT_EQ(PopupRect({381, 630, 643, 758}), (Rect{381, 540, 556, 630}));
    EXPECT_EQ(PopupRect({10, 90, 200, 200}), (Rect{10, 0, 185, 90}));
    EXPECT_EQ(PopupRect({10, 40, 200, 200}), (Rect{10, 0, 185, 90}));
}

TEST(WindowRects, ThePopupMovesAlongItsRowToCoverNoTileWhereItCan) {
    const Rect human{381, 630, 643, 758};  // the pop-up's usual place: 381..556 x 540..630
    const struct {
        const char* where;
        std::vector<Rect> tiles;
        Rect popup;
    } cases[] = {
        {"no tile", {}, {381, 540, 556, 630}},
        {"tiles clear of it", {{300, 400, 343, 422}, {556, 600, 600, 622}}, {381, 540, 556, 630}},
        // The down arm's last tiles under it: just right of them is nearer than left.
        {"down arm", {{450, 520, 472, 563}, {450, 563, 472, 606}}, {472, 540, 647, 630}},
        {"a tile right of the arm",
         {{450, 563, 472, 606}, {560, 560, 600, 582}},
         {275, 540, 450, 630}},
        {"the row full", {{0, 580, 1024, 600}}, {381, 540, 556, 630}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(PopupRectClearOf(human, c.tiles, 1024), c.popup);
    }
}

TEST(WindowRects, HeightChecksGrowShortWindowsAndKeepTheHumansOnTheScreen) {
    // Room enough: unchanged.
    EXPECT_EQ(CorrectHumanHeight({381, 630, 643, 758}, 93, 1.5, 768), (Rect{381, 630, 643, 758}));
    // 13 pixels short: taller, which pushes it off the bottom, so it moves up to 10 pixels above.
    EXPECT_EQ(CorrectHumanHeight({381, 630, 643, 758}, 80, 1.5, 768), (Rect{381, 617, 643, 758}));
    // Taller but still on the screen: not moved.
    EXPECT_EQ(CorrectHumanHeight({0, 100, 175, 200}, 50, 1.0, 768), (Rect{0, 100, 175, 212}));
    EXPECT_EQ(CorrectOpponentHeight({381, 3, 643, 98}, 70, 1.5), (Rect{381, 3, 643, 103}));
    EXPECT_EQ(CorrectOpponentHeight({381, 3, 643, 98}, 75, 1.5), (Rect{381, 3, 643, 98}));
}

TEST(WindowRects, EachComputerPlayerHasItsEdgeSlots) {
    EXPECT_EQ(OpponentSlotCount(1), 14);
    EXPECT_EQ(OpponentSlotCount(2), 21);
    EXPECT_EQ(OpponentSlotCount(3), 7);
}

}  // namespace
}  // namespace pipwick
