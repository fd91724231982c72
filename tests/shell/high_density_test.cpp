// The program on a screen with two pixels to every window pixel (this suite's main sets Qt's
// scale factor to 2). The layout and the clicks stay in window pixels; the tiles are composed
// from the large artwork, one tile pixel to a screen pixel.
#include <gtest/gtest.h>

#include <QTest>

#include "table/end_marks.h"
#include "tests/shell/shell_test_support.h"

namespace pipwick {
namespace {

Rect Doubled(const Rect& r) {
    return {2 * r.left, 2 * r.top, 2 * r.right, 2 * r.bottom};
}

// Draws tiles as a run at scale 2.0 draws them, from the artwork the program has built in.
struct LargeDrawing {
    TableCanvas table;
    GameState state;
    Settings settings;
    InstantClock clock;
    TileDrawer drawer{table, state, settings, clock, {}};

    LargeDrawing(const Application& app, uint32_t buttonFace) {
        ResetGameState(state);
        const auto error = LoadDominoSet(app.Preferences().DominoSet, 2, BackgroundSettings{},
                                         buttonFace, EmbeddedResource, table);
        EXPECT_FALSE(error) << *error;
    }
    // The tile standing in a hand at a window position doubled.
    std::vector<uint32_t> HandTile(const Rect& slot, int32_t tile, uint32_t buttonFace) {
        const Rect area = Doubled(slot);
        WindowSurface alone(false, area.right, area.bottom, buttonFace);
        PlacedTile record{tile, LowPip(tile), HighPip(tile), {}, {}};
        record.InnerHalf = {area.left, area.top, 0, 0};
        record.OuterHalf = {area.left, area.top + 42, 0, 0};
        drawer.DrawTile(alone, 0, 0, record);
        return AreaPixels(alone.Pixels(), area);
    }
};

struct HighDensity : ::testing::Test {
    TestProgram program{{"sound=0", "delay=0"}, ScreenSize{800, 600}};
    Application& app = *program.app;
    GameState& s = app.State();

    void SetUp() override {
        ASSERT_EQ(app.Table().devicePixelRatioF(), 2.0);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.Table()));
        app.Table().repaint();
        ASSERT_TRUE(app.Pictures().Loaded());
    }
};

TEST_F(HighDensity, WindowsKeepTheirLayoutAndHoldTwiceThePixels) {
    EXPECT_EQ(app.Layout().ScaleFactor, 1.0);
    EXPECT_EQ(ToRect(app.Table().geometry()), app.Layout().TableRect);
    EXPECT_EQ(app.Table().width(), 640);
    EXPECT_EQ(app.Pictures().Table().scale, 2.0);
    SurfaceWidget* windows[] = {&app.Table(), &app.Human().Hand(), &app.Opponent(3)};
    for (SurfaceWidget* window : windows) {
        EXPECT_EQ(window->Surface().Pixels().Width(), 2 * window->width());
        EXPECT_EQ(window->Surface().Pixels().Height(), 2 * window->height());
    }
}

TEST_F(HighDensity, HandTilesAreTheLargeArtworkShownPixelForPixel) {
    app.NewGame();
    SurfaceWidget& hand = app.Human().Hand();
    LargeDrawing large(app, hand.BackgroundColour());
    for (int slot = 0; slot < HandCount(s, 1); ++slot) {
        const Rect& r = app.Layout().HandSlotRect[slot];
        EXPECT_EQ(AreaPixels(hand.Surface().Pixels(), Doubled(r)),
                  large.HandTile(r, s.Hand[1][slot], hand.BackgroundColour()))
            << slot;
    }
    // The screen gets those pixels themselves, not a window pixel's enlarged.
    const Rect& first = app.Layout().HandSlotRect[0];
    const QImage shown =
        hand.grab(QRect(first.left, first.top, first.right - first.left, first.bottom - first.top))
            .toImage();
    ASSERT_EQ(shown.width(), 2 * (first.right - first.left));
    ASSERT_EQ(shown.height(), 2 * (first.bottom - first.top));
    int32_t differing = 0;
    for (int32_t y = 0; y < shown.height(); ++y) {
        for (int32_t x = 0; x < shown.width(); ++x) {
            differing += (shown.pixel(x, y) & 0xFFFFFF) !=
                         hand.Surface().Pixels().Pixel(2 * first.left + x, 2 * first.top + y);
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(HighDensity, ClicksPlayInWindowPixels) {
    app.Human().Action(Command::kNew).trigger();
    ASSERT_EQ(s.CurrentPlayer, 1);
    const int32_t lead = s.Hand[1][0];
    ClickHandSlot(app, 0);
    ASSERT_EQ(s.Arm[0][0].Tile, lead);
    // The lead lies on the table where the layout put it, twice as far into the table picture.
    LargeDrawing large(app, app.Human().Hand().BackgroundColour());
    PlacedTile doubled = s.Arm[0][0];
    for (Rect* half : {&doubled.InnerHalf, &doubled.OuterHalf}) {
        *half = Doubled(*half);
    }
    WindowSurface table(true, 1280, 960, app.Pictures().Table().backgroundColor);
    large.drawer.DrawTile(table, 0, 0, doubled);
    const Rect& inner = s.Arm[0][0].InnerHalf;
    const Rect& outer = s.Arm[0][0].OuterHalf;
    const Rect tileArea = Doubled(Union(inner, outer));
    app.Table().repaint();
    EXPECT_EQ(AreaPixels(app.Table().Surface().Pixels(), tileArea),
              AreaPixels(table.Pixels(), tileArea));

    // Picked up in the hand and dropped on an arm's end, a tile plays there.
    for (int turn = 0; turn < 30 && s.CurrentPlayer == 1 && s.GameInProgress == 1; ++turn) {
        int slot = 0, arm = 0;
        if (!FindHumanPlay(app, slot, arm)) {
            app.DrawOrPass();
            continue;
        }
        const int32_t tile = s.Hand[1][slot];
        ClickHandSlot(app, slot);
        ASSERT_EQ(s.SelectedTile, tile);
        ClickTable(app, Centre(s.ArmDropRect[arm]));
        EXPECT_TRUE(IsOnTable(s, tile));
        return;
    }
    FAIL() << "the human never had a tile to play";
}

// The marks of where a picked-up tile can go lie on those ends in the larger picture too, and
// leave it as it was once the tile is put down.
TEST_F(HighDensity, MarksLieOnTheEndsInTheSurfacesOwnPixels) {
    app.Human().Action(Command::kNew).trigger();
    ASSERT_EQ(s.CurrentPlayer, 1);
    SurfaceWidget& hand = app.Human().Hand();
    QTest::mouseClick(&hand, Qt::LeftButton, {}, Centre(app.Layout().HandSlotRect[0]));
    for (int turn = 0; turn < 30 && s.CurrentPlayer == 1 && s.GameInProgress == 1; ++turn) {
        int slot = 0, arm = 0;
        if (!FindHumanPlay(app, slot, arm)) {
            app.DrawOrPass();
            continue;
        }
        app.Table().repaint();
        const Canvas plain = app.Table().Surface().Pixels();
        QTest::mouseClick(&hand, Qt::LeftButton, {}, Centre(app.Layout().HandSlotRect[slot]));
        ASSERT_FALSE(app.Table().Marks().empty());
        app.Table().repaint();
        const Canvas& shown = app.Table().Surface().Pixels();
        for (const Rect& end : app.Table().Marks()) {
            const Rect doubled = Doubled(end);
            EXPECT_EQ(shown.Pixel(doubled.left + 1, doubled.top + 1), kEndMarkBright);
            EXPECT_EQ(shown.Pixel(doubled.right - 2, doubled.bottom - 2), kEndMarkBright);
        }
        app.DropSelection();
        app.Table().repaint();
        EXPECT_TRUE(app.Table().Surface().Pixels() == plain);
        return;
    }
    FAIL() << "the human never had a tile to play";
}

}  // namespace
}  // namespace pipwick
