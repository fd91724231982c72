#include "table/tile_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/recording_clock.h"

namespace pipwick {
namespace {

// Marker colours for every piece of a made-up artwork strip, so a test can tell which piece a
// pixel came from.
constexpr uint32_t kTable = 0x008080;
constexpr uint32_t kButtonFace = 0xC0C0C0;
constexpr uint32_t kFace = 0xF0F0E0;
constexpr uint32_t kHighlightFace = 0xFFFF00;
constexpr uint32_t kLine = 0x101010;
constexpr uint32_t kHighlightLine = 0x202000;
constexpr uint32_t kPip = 0x000001;
constexpr uint32_t kHighlightPip = 0x000002;
constexpr uint32_t kLyingFace = 0xE0E0F0;
constexpr uint32_t kStandingLine = 0x303030;
constexpr uint32_t kWhite = 0xFFFFFF;

int32_t U(double units, double s) {
    return Scaled(units, s);
}

// The strip as the drawing reads it, each piece painted over the whole rectangle the drawing
// copies from (one pixel more than the scaled region at 1.5 and 2.0). The masks are black inside
// and white at the four corner pixels, where the faces are black.
TableCanvas MakeTableCanvas(double s) {
    const int32_t a = s == 1.5 ? 1 : 0;
    const int32_t b = s == 2.0 ? 1 : 0;
    TableCanvas t;
    t.scale = s;
    t.backgroundColor = kTable;
    t.canvas = Canvas(U(688, s), U(480, s), 0);
    Canvas& c = t.canvas;
    const int32_t w = U(22, s), h = U(43, s);
    c.Fill({0, 0, w, h}, kFace);
    c.Fill({w, 0, 2 * w, h}, kHighlightFace);
    const int32_t lineW = U(13 * s + a + b, 1), lineH = U(4 * s + a, 1);
    c.Fill({0, U(43, s), lineW, U(43, s) + lineH}, kLine);
    c.Fill({w, U(43, s), w + lineW, U(43, s) + lineH}, kHighlightLine);
    c.Fill({U(14, s), U(43, s), U(14, s) + U(5, s), U(43, s) + U(5, s)}, kPip);
    c.Fill({U(14 * s + w, 1), U(43, s), U(14 * s + w, 1) + U(5, s), U(43, s) + U(5, s)},
           kHighlightPip);
    c.Fill({0, U(48, s), h, U(48, s) + w}, kLyingFace);
    c.Fill({0, U(70, s), w, U(70, s) + h}, 0);
    c.Fill({U(23, s), U(71 * s - a, 1), U(23, s) + U(4 * s + a, 1),
            U(71 * s - a, 1) + U(13 * s + a + b, 1)},
           kStandingLine);
    c.Fill({0, U(113, s), h, U(113, s) + w}, 0);
    for (auto [x, y, width, height] :
         {std::array<int32_t, 4>{0, 0, w, h}, std::array<int32_t, 4>{w, 0, w, h},
          std::array<int32_t, 4>{0, U(48, s), h, w}}) {
        const int32_t maskY = y == 0 ? U(70, s) : U(113, s);
        for (auto [cx, cy] : {std::pair{0, 0}, std::pair{width - 1, 0}, std::pair{0, height - 1},
                              std::pair{width - 1, height - 1}}) {
            c.SetPixel(x + cx, y + cy, 0);
            c.SetPixel(cx, maskY + cy, kWhite);
        }
    }
    c.Fill({0, U(250, s), U(44, s), U(300, s)}, kButtonFace);
    c.Fill({0, U(300, s), U(44, s), U(480, s)}, kTable);
    c.Fill({U(44, s), 0, U(684, s), U(480, s)}, kTable);
    return t;
}

struct Drawing {
    double s;
    TableCanvas table;
    GameState state;
    Settings settings;
    RecordingClock clock;
    int sounds = 0;
    TileDrawer drawer;
    WindowSurface tableWindow;
    WindowSurface hand;
    std::vector<Rect> shown;

    explicit Drawing(double scale)
        : s(scale),
          table(MakeTableCanvas(scale)),
          drawer(table, state, settings, clock, [this] { ++sounds; }),
          tableWindow(true, U(640, scale), U(480, scale), kTable),
          hand(false, U(600, scale), U(60, scale), kButtonFace) {
        ResetGameState(state);
        tableWindow.OnChange([this](const Rect& r) { shown.push_back(r); });
    }
    uint32_t Picture(int32_t x, int32_t y) const { return table.canvas.Pixel(U(44, s) + x, y); }
};

PlacedTile Upright(int32_t tile, int32_t inner, int32_t outer, int32_t left, int32_t top, double s,
                   bool outerAbove = false) {
    PlacedTile t{tile, inner, outer, {}, {}};
    const int32_t other = outerAbove ? U(top - 21 * s, 1) : U(top + 21 * s, 1);
    t.InnerHalf = {left, top, U(left + 22 * s, 1), U(top + 22 * s, 1)};
    t.OuterHalf = {left, other, U(left + 22 * s, 1), U(other + 22 * s, 1)};
    return t;
}

PlacedTile Lying(int32_t tile, int32_t inner, int32_t outer, int32_t left, int32_t top, double s,
                 bool outerLeft = false) {
    PlacedTile t{tile, inner, outer, {}, {}};
    const int32_t other = outerLeft ? U(left - 21 * s, 1) : U(left + 21 * s, 1);
    t.InnerHalf = {left, top, U(left + 22 * s, 1), U(top + 22 * s, 1)};
    t.OuterHalf = {other, top, U(other + 22 * s, 1), U(top + 22 * s, 1)};
    return t;
}

TEST(DrawTile, ComposesTheMiddlePipOfAOneWhereTheRowsAndColumnsSay) {
    struct Case {
        double s;
        int32_t uprightX, uprightY, lyingX, lyingY;
    };
    // Upright: column M = t(30 S + a + b), row R2 = t(t(258 S) + 150 S). Lying: column
    // C2 = t(8 S), row t(R2 + 50 S) (+1 at 1.0), then + a.
    for (const Case& c :
         {Case{1.0, 30, 408, 8, 459}, Case{1.5, 46, 612, 12, 688}, Case{2.0, 61, 816, 16, 916}}) {
        Drawing d(c.s);
        d.drawer.DrawTile(d.tableWindow, 0, 0, Upright(8, 1, 1, 100, 100, c.s));
        EXPECT_EQ(d.table.canvas.Pixel(c.uprightX, c.uprightY), kPip) << c.s;
        EXPECT_EQ(d.table.canvas.Pixel(c.uprightX - 1, c.uprightY), kFace) << c.s;
        d.drawer.DrawTile(d.tableWindow, 0, 0, Lying(8, 1, 1, 200, 200, c.s));
        EXPECT_EQ(d.table.canvas.Pixel(c.lyingX, c.lyingY), kPip) << c.s;
        EXPECT_EQ(d.table.canvas.Pixel(c.lyingX, c.lyingY - 1), kLyingFace) << c.s;
    }
}

TEST(DrawTile, CopiesTheComposedTileToTheWindowAndTheTablePicture) {
    for (double s : {1.0, 1.5, 2.0}) {
        Drawing d(s);
        const PlacedTile tile = Upright(TileWithPips(3, 5), 3, 5, 120, 90, s);
        d.drawer.DrawTile(d.tableWindow, 0, 0, tile);
        const int32_t cellX = U(22, s), cellY = U(U(250, s) + 150 * s, 1);
        for (int32_t y = 0; y < U(43, s); ++y) {
            for (int32_t x = 0; x < U(22, s); ++x) {
                const uint32_t cell = d.table.canvas.Pixel(cellX + x, cellY + y);
                ASSERT_EQ(d.tableWindow.Pixels().Pixel(120 + x, 90 + y), cell) << s;
                ASSERT_EQ(d.Picture(120 + x, 90 + y), cell) << s;
            }
        }
        // Rounded corners show the table; the dividing line crosses the middle.
        EXPECT_EQ(d.Picture(120, 90), kTable);
        EXPECT_EQ(d.Picture(120 + U(22, s) / 2, 90 + U(21, s)), kLine) << s;
        EXPECT_EQ(d.shown.back(), (Rect{120, 90, 120 + U(22, s), 90 + U(43, s)}));
    }
}

// Counts the pixels of colour in a tile-sized area of a canvas.
int Count(const Canvas& c, const Rect& area, uint32_t colour) {
    int n = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            n += c.Pixel(x, y) == colour;
        }
    }
    return n;
}

TEST(DrawTile, ShowsEachPipValueWithItsNumberOfPips) {
    const double s = 1.0;
    const int32_t pipArea = 5 * 5;
    for (int32_t upper = 0; upper <= 6; ++upper) {
        Drawing d(s);
        d.drawer.DrawTile(d.tableWindow, 0, 0,
                          Upright(TileWithPips(upper, 0), upper, 0, 50, 60, s));
        EXPECT_EQ(Count(d.tableWindow.Pixels(), {50, 60, 72, 82}, kPip), upper * pipArea);
        EXPECT_EQ(Count(d.tableWindow.Pixels(), {50, 82, 72, 103}, kPip), 0);
        d.drawer.DrawTile(d.tableWindow, 0, 0, Lying(TileWithPips(upper, 0), 0, upper, 200, 60, s));
        EXPECT_EQ(Count(d.tableWindow.Pixels(), {200, 60, 221, 82}, kPip), 0);
        EXPECT_EQ(Count(d.tableWindow.Pixels(), {222, 60, 243, 82}, kPip), upper * pipArea);
    }
}

TEST(DrawTile, TheOuterPipShowsAtTheOpenEndOfTheArm) {
    const double s = 1.0;
    Drawing d(s);
    // Growing upward: the outer half lies above the inner one.
    d.drawer.DrawTile(d.tableWindow, 0, 0, Upright(TileWithPips(0, 6), 0, 6, 50, 100, s, true));
    EXPECT_EQ(Count(d.tableWindow.Pixels(), {50, 79, 72, 100}, kPip), 6 * 25);
    EXPECT_EQ(Count(d.tableWindow.Pixels(), {50, 101, 72, 122}, kPip), 0);
    // Growing leftward: the outer half lies left of the inner one.
    d.drawer.DrawTile(d.tableWindow, 0, 0, Lying(TileWithPips(0, 4), 0, 4, 300, 100, s, true));
    EXPECT_EQ(Count(d.tableWindow.Pixels(), {279, 100, 300, 122}, kPip), 4 * 25);
    EXPECT_EQ(Count(d.tableWindow.Pixels(), {301, 100, 322, 122}, kPip), 0);
}

TEST(DrawTile, OnlyTheSelectedTileIsHighlighted) {
    for (double s : {1.0, 1.5, 2.0}) {
        Drawing d(s);
        const int32_t tile = TileWithPips(2, 4);
        const PlacedTile record = Upright(tile, 2, 4, 10, U(14, s), s);
        const Rect area{10, U(14, s), 10 + U(22, s), U(14, s) + U(43, s)};
        d.drawer.DrawTile(d.hand, 0, 0, record);
        EXPECT_EQ(Count(d.hand.Pixels(), area, kHighlightFace), 0);
        d.state.SelectedTile = tile;
        d.drawer.DrawTile(d.hand, 0, 0, record);
        EXPECT_GT(Count(d.hand.Pixels(), area, kHighlightFace), 0);
        EXPECT_EQ(Count(d.hand.Pixels(), area, kHighlightPip), 6 * U(5, s) * U(5, s)) << s;
        EXPECT_GT(Count(d.hand.Pixels(), area, kHighlightLine), 0);
        EXPECT_EQ(Count(d.hand.Pixels(), area, kFace) + Count(d.hand.Pixels(), area, kPip), 0);
        // A player window's tile keeps the button face at its corners and stays off the table.
        EXPECT_EQ(d.hand.Pixels().Pixel(10, U(14, s)), kButtonFace);
        EXPECT_EQ(Count(d.table.canvas, {U(44, s), 0, U(684, s), U(480, s)}, kHighlightFace), 0);
    }
}

TEST(DrawTile, AFaceDownTileIsThePlainFaceAlone) {
    const double s = 1.5;
    Drawing d(s);
    PlacedTile back = Upright(kNoTile, 0, 0, 40, 1, s);
    d.drawer.DrawTile(d.hand, 0, 0, back);
    const Rect area{40, 1, 40 + U(22, s), 1 + U(43, s)};
    EXPECT_EQ(Count(d.hand.Pixels(), area, kFace), U(22, s) * U(43, s) - 4);
    EXPECT_EQ(Count(d.hand.Pixels(), area, kButtonFace), 4);
}

TEST(Flight, MovesTheImageInEqualTruncatedStepsEveryTenthOfASecond) {
    Drawing d(1.0);
    const PlacedTile record = Upright(TileWithPips(1, 2), 1, 2, 309, 218, 1.0);
    d.drawer.DrawTile(d.tableWindow, 100, 300, record);
    EXPECT_EQ(d.clock.waits, std::vector<uint32_t>(5, 100));
    const Point expected[] = {{134, 287}, {168, 274}, {202, 261}, {236, 248}, {270, 235}};
    ASSERT_GE(d.shown.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        // Each step shows the rectangle covering the old and the new place.
        EXPECT_EQ(d.shown[i].right, expected[i].x + 22);
        EXPECT_EQ(d.shown[i].top, expected[i].y);
        EXPECT_EQ(d.shown[i].left, i == 0 ? 100 : expected[i - 1].x);
        EXPECT_EQ(d.shown[i].bottom, (i == 0 ? 300 : expected[i - 1].y) + 43);
    }
    EXPECT_EQ(d.sounds, 1);
}

TEST(Flight, TakesFourteenStepsLessTheSpeed) {
    for (auto [speed, waits] : {std::pair{1, 12}, std::pair{8, 5}, std::pair{10, 3}}) {
        Drawing d(2.0);
        d.settings.Speed = speed;
        d.drawer.DrawTile(d.tableWindow, 10, 10, Upright(8, 1, 1, 600, 400, 2.0));
        EXPECT_EQ(d.clock.waits.size(), static_cast<size_t>(waits)) << speed;
        EXPECT_EQ(d.sounds, 1);
    }
    Drawing still(1.0);
    still.drawer.DrawTile(still.tableWindow, 0, 5, Upright(8, 1, 1, 60, 40, 1.0));
    EXPECT_TRUE(still.clock.waits.empty());
    EXPECT_EQ(still.sounds, 0);
}

TEST(Flight, LeavesNoTraceInTheTablePicture) {
    for (double s : {1.0, 1.5, 2.0}) {
        Drawing flown(s), placed(s);
        const PlacedTile lying = Lying(TileWithPips(2, 5), 2, 5, U(352, s), U(218, s), s);
        for (Drawing* d : {&flown, &placed}) {
            d->drawer.DrawTile(d->tableWindow, 0, 0, Upright(8, 1, 1, U(309, s), U(200, s), s));
        }
        flown.drawer.TileLeavesHand(flown.tableWindow, {U(150, s), U(470, s)}, flown.hand,
                                    {3, 14, 25, 57}, TileWithPips(2, 5), kButtonFace);
        flown.drawer.TileLands(flown.tableWindow, lying);
        placed.drawer.DrawTile(placed.tableWindow, 0, 0, lying);
        const Rect picture{U(44, s), 0, U(684, s), U(480, s)};
        for (int32_t y = picture.top; y < picture.bottom; ++y) {
            for (int32_t x = picture.left; x < picture.right; ++x) {
                ASSERT_EQ(flown.table.canvas.Pixel(x, y), placed.table.canvas.Pixel(x, y))
                    << s << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(Count(flown.hand.Pixels(), {3, 14, 25, 57}, kButtonFace), 22 * 43);
    }
}

TEST(PlaceTileDrawing, TheStartIsKeptOnTheTable) {
    struct Case {
        Point given, start;
    };
    for (const Case& c : {Case{{-40, 200}, {3, 200}}, Case{{300, 470}, {300, 434}},
                          Case{{700, -5}, {614, 3}}, Case{{614, 434}, {614, 434}}}) {
        Drawing d(1.0);
        d.drawer.TileLeavesHand(d.tableWindow, c.given, d.hand, {3, 14, 25, 57}, TileWithPips(0, 1),
                                kButtonFace);
        EXPECT_EQ(d.shown.back(), (Rect{c.start.x, c.start.y, c.start.x + 22, c.start.y + 43}));
    }
}

TEST(RedrawAllTiles, DrawsEveryPlacedTileAgainOnAClearPicture) {
    const double s = 1.0;
    Drawing d(s), fresh(s);
    d.state.Arm[0][0] = Upright(8, 1, 1, U(309, s), U(207, s), s);
    d.state.Arm[0][1] = Lying(TileWithPips(1, 6), 1, 6, U(331, s), U(218, s), s);
    d.state.Arm[2][0] = Lying(TileWithPips(1, 3), 1, 3, U(287, s), U(218, s), s, true);
    d.drawer.DrawTile(d.tableWindow, 0, 0, Lying(TileWithPips(4, 4), 4, 4, 20, 20, s));
    d.drawer.RedrawAllTiles(d.tableWindow);
    for (const PlacedTile* t : {&d.state.Arm[0][0], &d.state.Arm[0][1], &d.state.Arm[2][0]}) {
        fresh.drawer.DrawTile(fresh.tableWindow, 0, 0, *t);
    }
    for (int32_t y = 0; y < U(480, s); ++y) {
        for (int32_t x = 0; x < U(640, s); ++x) {
            ASSERT_EQ(d.Picture(x, y), fresh.Picture(x, y)) << x << "," << y;
        }
    }
}

// On a high-density screen the canvas holds a larger scale's artwork than the windows' layout:
// each tile must look exactly as that larger scale draws it, at its window position's surface
// pixels.
TEST(HighDensity, TilesAreComposedAsTheLargerScaleDrawsThem) {
    struct Case {
        double window, canvas;
        Point upright, lying, back, selected;  // window (120, 90), (201, 150), (40, 3), (70, 3)
    };
    const Case cases[] = {
        {1.0, 2.0, {240, 180}, {402, 300}, {80, 6}, {140, 6}},
        {1.0, 1.5, {180, 135}, {301, 225}, {60, 4}, {105, 4}},
        {1.5, 2.0, {160, 120}, {268, 200}, {53, 4}, {93, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        SCOPED_TRACE(c.canvas);
        const double w = c.window, s = c.canvas;
        Drawing dense(s), native(s);
        dense.drawer.ShowAtWindowScale(w);
        const int32_t selected = TileWithPips(2, 4);
        dense.state.SelectedTile = native.state.SelectedTile = selected;
        dense.drawer.DrawTile(dense.tableWindow, 0, 0,
                              Upright(TileWithPips(3, 5), 3, 5, 120, 90, w));
        dense.drawer.DrawTile(dense.tableWindow, 0, 0,
                              Lying(TileWithPips(6, 1), 6, 1, 201, 150, w));
        dense.drawer.DrawTile(dense.hand, 0, 0, Upright(kNoTile, 0, 0, 40, 3, w));
        dense.drawer.DrawTile(dense.hand, 0, 0, Upright(selected, 2, 4, 70, 3, w));
        native.drawer.DrawTile(native.tableWindow, 0, 0,
                               Upright(TileWithPips(3, 5), 3, 5, c.upright.x, c.upright.y, s));
        native.drawer.DrawTile(native.tableWindow, 0, 0,
                               Lying(TileWithPips(6, 1), 6, 1, c.lying.x, c.lying.y, s));
        native.drawer.DrawTile(native.hand, 0, 0, Upright(kNoTile, 0, 0, c.back.x, c.back.y, s));
        native.drawer.DrawTile(native.hand, 0, 0,
                               Upright(selected, 2, 4, c.selected.x, c.selected.y, s));
        EXPECT_EQ(dense.tableWindow.Pixels().Pixels(), native.tableWindow.Pixels().Pixels());
        EXPECT_EQ(dense.hand.Pixels().Pixels(), native.hand.Pixels().Pixels());
        EXPECT_EQ(dense.table.canvas.Pixels(), native.table.canvas.Pixels());
        EXPECT_EQ(dense.shown.back(), native.shown.back());
    }
}

// The flight goes the way the windows' layout has it, step by step in window pixels, and each
// step shows the surface pixels under it.
TEST(HighDensity, AFlightStepsInWindowPixels) {
    Drawing d(2.0);
    d.drawer.ShowAtWindowScale(1.0);
    const int32_t tile = TileWithPips(1, 2);
    d.drawer.DrawTile(d.tableWindow, 100, 300, Upright(tile, 1, 2, 309, 218, 1.0));
    EXPECT_EQ(d.clock.waits, std::vector<uint32_t>(5, 100));
    const Point steps[] = {{134, 287}, {168, 274}, {202, 261}, {236, 248}, {270, 235}};
    ASSERT_GE(d.shown.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const Point from = i == 0 ? Point{100, 300} : steps[i - 1];
        EXPECT_EQ(d.shown[i], (Rect{2 * std::min(from.x, steps[i].x), 2 * steps[i].y,
                                    2 * (steps[i].x + 22), 2 * (from.y + 43)}))
            << i;
    }
    EXPECT_EQ(d.sounds, 1);
    Drawing placed(2.0);
    placed.drawer.DrawTile(placed.tableWindow, 0, 0, Upright(tile, 1, 2, 618, 436, 2.0));
    EXPECT_EQ(d.table.canvas.Pixels(), placed.table.canvas.Pixels());
}

// The start of a flight is kept on the table by the windows' layout, and the tile's slot is
// emptied at its surface pixels.
TEST(HighDensity, ATileLeavesItsHandInWindowPixels) {
    Drawing d(2.0);
    d.drawer.ShowAtWindowScale(1.0);
    const int32_t tile = TileWithPips(0, 1);
    d.drawer.DrawTile(d.hand, 0, 0, Upright(tile, 0, 1, 3, 14, 1.0));
    const Rect slot{6, 28, 50, 114};
    ASSERT_GT(Count(d.hand.Pixels(), slot, kFace), 0);
    d.drawer.TileLeavesHand(d.tableWindow, {700, -5}, d.hand, {3, 14, 25, 57}, tile, kButtonFace);
    EXPECT_EQ(d.shown.back(), (Rect{1228, 6, 1272, 92}));
    EXPECT_EQ(Count(d.hand.Pixels(), slot, kButtonFace), 44 * 86);
    EXPECT_EQ(Count(d.hand.Pixels(), {0, 0, U(600, 2.0), U(60, 2.0)}, kFace), 0);
}

}  // namespace
}  // namespace pipwick
