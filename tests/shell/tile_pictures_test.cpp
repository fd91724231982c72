#include "shell/windows/tile_pictures.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

// A tile as the drawing composes it at the slot, on a surface of the window's own colour.
std::vector<uint32_t> Composed(TestProgram& program, const Rect& slot, int32_t tile,
                               uint32_t background) {
    WindowSurface alone(false, slot.right + 4, slot.bottom + 4, background);
    PlacedTile record{
        tile, tile == kNoTile ? 0 : LowPip(tile), tile == kNoTile ? 0 : HighPip(tile), {}, {}};
    record.InnerHalf = {slot.left, slot.top, 0, 0};
    record.OuterHalf = {slot.left, slot.top + Scaled(21, program.app->Layout().ScaleFactor), 0, 0};
    program.app->Pictures().Drawer().DrawTile(alone, 0, 0, record);
    return AreaPixels(alone.Pixels(), slot);
}

struct Pictures : ::testing::Test {
    TestProgram program;
    void SetUp() override {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.app->Table()));
        program.app->Table().repaint();
        ASSERT_TRUE(program.app->Pictures().Loaded());
        program.app->NewGame();
    }
};

TEST_F(Pictures, TheHumansWindowShowsEachTileOfHisHandAtItsSlot) {
    const GameState& state = program.app->State();
    SurfaceWidget& hand = program.app->Human().Hand();
    const Geometry& g = program.app->Layout();
    for (int slot = 0; slot < HandCount(state, 1); ++slot) {
        const Rect& r = g.HandSlotRect[slot];
        EXPECT_EQ(AreaPixels(hand.Surface().Pixels(), r),
                  Composed(program, r, state.Hand[1][slot], hand.BackgroundColour()))
            << slot;
    }
    // What the surface holds is what the window shows.
    const Rect& first = g.HandSlotRect[0];
    const QImage shown =
        hand.grab(QRect(first.left, first.top, first.right - first.left, first.bottom - first.top))
            .toImage();
    EXPECT_EQ(shown.pixel(5, 5) & 0xFFFFFF,
              hand.Surface().Pixels().Pixel(first.left + 5, first.top + 5));
    // Once a tile is played its slot shows the window's own colour: the hand closes up.
    program.app->HandSlotClicked(0);
    ASSERT_EQ(HandCount(state, 1), 6);
    const Rect& empty = g.HandSlotRect[6];
    for (uint32_t pixel : AreaPixels(hand.Surface().Pixels(), empty)) {
        ASSERT_EQ(pixel, hand.BackgroundColour());
    }
}

TEST_F(Pictures, ComputersShowTheirBacksUntilTheHandEnds) {
    const GameState& state = program.app->State();
    OpponentWindow& top = program.app->Opponent(3);
    const Rect& slot = program.app->Layout().OpponentSlotRect[2];
    const std::vector<uint32_t> back = Composed(program, slot, kNoTile, top.BackgroundColour());
    EXPECT_EQ(AreaPixels(top.Surface().Pixels(), slot), back);
    program.app->View().ShowTilesFaceUp(3);
    EXPECT_EQ(AreaPixels(top.Surface().Pixels(), slot),
              Composed(program, slot, state.Hand[3][2], top.BackgroundColour()));
    // The next deal turns them face down again.
    program.app->CurrentGame().NewGame();
    EXPECT_EQ(AreaPixels(top.Surface().Pixels(), slot), back);
}

// A hand that ended with the computers' tiles turned up, then a saved game opened: the opened
// game's computer tiles are face down, whatever the last hand showed.
TEST_F(Pictures, OpeningAGameTurnsEveryComputerTileFaceDown) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("face down.dom"));
    ASSERT_TRUE(program.app->Files().Write(path));
    for (int player = 2; player <= 4; ++player) {
        program.app->View().ShowTilesFaceUp(player);
    }
    ASSERT_TRUE(program.app->OpenGameFile(path, false));
    const Rect& slot = program.app->Layout().OpponentSlotRect[0];
    int checked = 0;
    for (int player = 2; player <= 4; ++player) {
        if (!TakesPart(program.app->State(), player)) {
            continue;
        }
        ++checked;
        OpponentWindow& window = program.app->Opponent(player);
        EXPECT_EQ(AreaPixels(window.Surface().Pixels(), slot),
                  Composed(program, slot, kNoTile, window.BackgroundColour()))
            << player;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace pipwick
