#include "engine/board_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "model/geometry.h"
#include "model/tile_set.h"

namespace pipwick {

void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr int32_t kDouble = TileWithPips(5, 5);
constexpr int32_t kNonDouble = TileWithPips(6, 4);

PlacedTile Record(bool isDouble) {
    PlacedTile record;
    record.Tile = isDouble ? kDouble : kNonDouble;
    record.InnerPip = isDouble ? 5 : 4;
    record.OuterPip = isDouble ? 5 : 6;
    return record;
}

Point TopLeft(const Rect& half) {
    return {half.left, half.top};
}

struct BoardLayout : ::testing::Test {
    GameState state;
    Geometry geometry;

    void Start(double scale) {
        ResetGameState(state);
        geometry = MakeGeometry(scale, 1920, 1080);
        ResetLayout(state, geometry);
    }
    PlacedTile Lay(int arm, bool isDouble) {
        PlacedTile record = Record(isDouble);
        LayOutTile(state, geometry.ScaleFactor, arm, record);
        return record;
    }
    // Lays non-doubles on a fresh arm up to the given record and returns that record.
    PlacedTile LayNonDoublesUpTo(int arm, int index) {
        PlacedTile record;
        for (int i = 0; i <= index; ++i) {
            record = Lay(arm, false);
        }
        return record;
    }
};

TEST_F(BoardLayout, ResetStartsEveryArmAroundTheCentreTile) {
    struct Case {
        double scale;
        Point start[kArmCount];
    };
    const Case cases[] = {
        {1.0, {{309, 218}, {309, 185}, {287, 218}, {309, 250}}},
        {1.5, {{463, 327}, {463, 277}, {430, 327}, {463, 375}}},
        {2.0, {{618, 436}, {618, 370}, {574, 436}, {618, 500}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        Start(c.scale);
        for (int arm = 0; arm < kArmCount; ++arm) {
            state.ArmCursor[arm] = {1, 1};
            state.ArmRunState[arm] = 4;
        }
        ResetLayout(state, geometry);
        for (int arm = 0; arm < kArmCount; ++arm) {
            EXPECT_EQ(state.ArmCursor[arm], c.start[arm]) << "arm " << arm;
            EXPECT_EQ(state.ArmRunState[arm], 0) << "arm " << arm;
        }
    }
}

TEST_F(BoardLayout, FirstTileLiesAtTheCentreOrStandsUprightThereWhenADouble) {
    struct Case {
        double scale;
        bool isDouble;
        Rect inner;
        Rect outer;
        Point cursor;
    };
    const Case cases[] = {
        {1.0, false, {309, 218, 331, 240}, {330, 218, 352, 240}, {352, 218}},
        {1.0, true, {309, 207, 331, 229}, {309, 228, 331, 250}, {331, 218}},
        {1.5, false, {463, 327, 496, 360}, {494, 327, 527, 360}, {527, 327}},
        // 310 + 31.5 truncates to 341, where 327 - 16.5 + 31.5 would give 342.
        {1.5, true, {463, 310, 496, 343}, {463, 341, 496, 374}, {496, 327}},
        {2.0, false, {618, 436, 662, 480}, {660, 436, 704, 480}, {704, 436}},
        {2.0, true, {618, 414, 662, 458}, {618, 456, 662, 500}, {662, 436}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scale << (c.isDouble ? " double" : ""));
        Start(c.scale);
        const PlacedTile record = Lay(0, c.isDouble);
        EXPECT_EQ(record.InnerHalf, c.inner);
        EXPECT_EQ(record.OuterHalf, c.outer);
        EXPECT_EQ(state.ArmCursor[0], c.cursor);
        EXPECT_EQ(state.ArmRunState[0], 0);
    }
}

// Arms grown from a fresh hand with non-doubles only: the straight tiles and the corners.
TEST_F(BoardLayout, ArmsOfNonDoublesFollowTheirRoutes) {
    struct Case {
        double scale;
        int arm;
        int index;
        Point inner;
        Point outer;
        Point cursor;
        int runAfter;
    };
    const Case cases[] = {
        {1.0, 0, 1, {352, 218}, {373, 218}, {395, 218}, 0},
        {1.0, 0, 6, {567, 218}, {588, 218}, {610, 218}, 0},
        {1.0, 0, 7, {610, 218}, {610, 197}, {610, 175}, 1},
        {1.0, 0, 11, {610, 46}, {589, 46}, {567, 46}, 2},
        {1.0, 1, 0, {309, 185}, {309, 164}, {309, 142}, 0},
        {1.0, 1, 4, {309, 13}, {288, 13}, {266, 13}, 1},
        {1.0, 2, 0, {287, 218}, {266, 218}, {244, 218}, 0},
        {1.0, 2, 5, {72, 218}, {51, 218}, {29, 218}, 0},
        {1.0, 2, 6, {29, 218}, {29, 239}, {29, 261}, 1},
        {1.0, 2, 11, {29, 433}, {50, 433}, {72, 433}, 2},
        {1.0, 2, 16, {244, 433}, {244, 412}, {244, 390}, 3},
        {1.0, 2, 20, {244, 261}, {223, 261}, {201, 261}, 4},
        {1.0, 2, 23, {115, 261}, {115, 282}, {115, 304}, 5},
        // Run 5 ends at once: its only tile turns right again.
        {1.0, 2, 24, {115, 304}, {136, 304}, {158, 304}, 6},
        {1.0, 2, 25, {158, 304}, {158, 325}, {158, 347}, 7},
        {1.0, 2, 26, {158, 347}, {158, 368}, {158, 390}, 7},
        {1.0, 2, 27, {158, 390}, {179, 390}, {201, 390}, 8},
        {1.0, 3, 0, {309, 250}, {309, 271}, {309, 293}, 0},
        {1.0, 3, 4, {309, 422}, {330, 422}, {352, 422}, 1},
        {1.0, 3, 10, {567, 422}, {567, 401}, {567, 379}, 2},
        // At 1.5 each step of 64.5 loses half a pixel, and the run going up is tested one pixel
        // on: it holds four straight tiles where 1.0 has three.
        {1.5, 0, 6, {847, 327}, {878, 327}, {911, 327}, 0},
        {1.5, 0, 7, {911, 327}, {911, 295}, {911, 262}, 1},
        {1.5, 0, 8, {911, 263}, {911, 231}, {911, 198}, 1},
        {1.5, 0, 11, {911, 71}, {911, 39}, {911, 6}, 1},
        {1.5, 0, 12, {911, 7}, {879, 7}, {846, 6}, 2},
        {2.0, 0, 7, {1220, 436}, {1220, 394}, {1220, 350}, 1},
        {2.0, 2, 6, {58, 436}, {58, 478}, {58, 522}, 1},
        {2.0, 3, 4, {618, 844}, {660, 844}, {704, 844}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "scale " << c.scale << " arm " << c.arm << " record " << c.index);
        Start(c.scale);
        const PlacedTile record = LayNonDoublesUpTo(c.arm, c.index);
        EXPECT_EQ(TopLeft(record.InnerHalf), c.inner);
        EXPECT_EQ(TopLeft(record.OuterHalf), c.outer);
        EXPECT_EQ(state.ArmCursor[c.arm], c.cursor);
        EXPECT_EQ(state.ArmRunState[c.arm], c.runAfter);
    }
}

// One tile laid from a given cursor and run: the end tests at their limits, the 1.5 adjustment,
// and every way a double can lie.
TEST_F(BoardLayout, TilesFromAGivenCursor) {
    struct Case {
        const char* what;
        double scale;
        int arm;
        int run;
        Point from;
        bool isDouble;
        Point inner;
        Point outer;
        Point cursor;
        int runAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"1.5 left, not yet at the end", 1.5, 0, 2, {571, 240}, false, {572, 240}, {540, 240},
         {507, 240}, 2},
        {"1.5 left, 401 <= 570 ends", 1.5, 0, 2, {400, 240}, false, {401, 240}, {401, 271},
         {400, 304}, 3},
        {"1.5 up, 69 <= 69 ends", 1.5, 0, 1, {320, 68}, false, {320, 69}, {288, 69},
         {255, 68}, 2},
        {"1.5 up, 70 > 69 goes on", 1.5, 0, 1, {320, 69}, false, {320, 70}, {320, 38},
         {320, 5}, 1},
        {"1.0 down, 340 >= 340 ends", 1.0, 3, 4, {400, 340}, false, {400, 340}, {421, 340},
         {443, 340}, 5},
        {"1.0 last run never ends", 1.0, 0, 5, {500, -1000}, false, {500, -1000}, {500, -1021},
         {500, -1043}, 5},
        {"1.5 truncation toward zero", 1.5, 0, 5, {500, -1000}, false, {500, -999}, {500, -1030},
         {500, -1063}, 5},
        {"1.5 straight double going right", 1.5, 0, 0, {400, 240}, true, {400, 223}, {400, 254},
         {433, 240}, 0},
        {"1.0 straight double going left", 1.0, 2, 0, {287, 218}, true, {287, 207}, {287, 228},
         {265, 218}, 0},
        {"1.0 straight double going up, R", 1.0, 0, 1, {610, 175}, true, {621, 175}, {600, 175},
         {610, 153}, 1},
        {"1.5 straight double going up, R", 1.5, 0, 1, {911, 262}, true, {927, 263}, {895, 263},
         {911, 230}, 1},
        {"1.0 arm 1 opens with a double, R", 1.0, 1, 0, {309, 185}, true, {320, 185}, {299, 185},
         {309, 163}, 0},
        {"1.0 straight double going up, L", 1.0, 1, 4, {200, 200}, true, {189, 200}, {210, 200},
         {200, 178}, 4},
        {"1.0 straight double going down, L", 1.0, 0, 3, {400, 60}, true, {389, 60}, {410, 60},
         {400, 82}, 3},
        {"1.5 straight double going down, L", 1.5, 1, 2, {100, 100}, true, {83, 100}, {114, 100},
         {100, 133}, 2},
        {"1.0 straight double, arm 3 run 4", 1.0, 3, 4, {400, 300}, true, {388, 300}, {409, 300},
         {400, 322}, 4},
        {"1.5 straight double, arm 3 run 4", 1.5, 3, 4, {401, 400}, true, {383, 400}, {414, 400},
         {401, 433}, 4},
        {"2.0 straight double, arm 3 run 4", 2.0, 3, 4, {800, 600}, true, {776, 600}, {818, 600},
         {800, 644}, 4},
        {"1.0 crosswise corner into up", 1.0, 0, 0, {568, 218}, true, {568, 229}, {568, 208},
         {568, 186}, 1},
        {"1.0 crosswise corner into left", 1.0, 0, 1, {610, 46}, true, {621, 46}, {600, 46},
         {578, 46}, 2},
        {"1.5 crosswise corner into left", 1.5, 0, 1, {320, 68}, true, {336, 69}, {304, 69},
         {271, 68}, 2},
        {"1.0 crosswise corner into down", 1.0, 0, 2, {380, 46}, true, {380, 35}, {380, 56},
         {380, 78}, 3},
        {"1.0 crosswise corner into right", 1.0, 0, 3, {400, 140}, true, {389, 140}, {410, 140},
         {432, 140}, 4},
        {"1.0 crosswise corner, arm 2 run 4", 1.0, 2, 4, {115, 261}, true, {115, 250}, {115, 271},
         {115, 293}, 5},
        {"1.0 crosswise corner, arm 3 run 4", 1.0, 3, 4, {400, 350}, true, {388, 350}, {409, 350},
         {431, 350}, 5},
        {"1.5 crosswise corner, arm 3 run 4", 1.5, 3, 4, {401, 510}, true, {383, 510}, {414, 510},
         {447, 510}, 5},
        {"2.0 crosswise corner, arm 3 run 4", 2.0, 3, 4, {800, 680}, true, {776, 680}, {818, 680},
         {862, 680}, 5},
        {"1.0 in-line corner, arm 1 run 3", 1.0, 1, 3, {250, 141}, true, {250, 141}, {250, 120},
         {250, 98}, 4},
        {"1.0 in-line corner, arm 2 run 5", 1.0, 2, 5, {115, 304}, true, {115, 304}, {136, 304},
         {158, 304}, 6},
        {"1.0 in-line corner, arm 2 run 6", 1.0, 2, 6, {158, 304}, true, {158, 304}, {158, 325},
         {158, 347}, 7},
        {"1.0 in-line corner, arm 2 run 7", 1.0, 2, 7, {158, 390}, true, {158, 390}, {179, 390},
         {201, 390}, 8},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.scale);
        state.ArmCursor[c.arm] = c.from;
        state.ArmRunState[c.arm] = c.run;
        const PlacedTile record = Lay(c.arm, c.isDouble);
        EXPECT_EQ(TopLeft(record.InnerHalf), c.inner);
        EXPECT_EQ(TopLeft(record.OuterHalf), c.outer);
        EXPECT_EQ(state.ArmCursor[c.arm], c.cursor);
        EXPECT_EQ(state.ArmRunState[c.arm], c.runAfter);
    }
}

// The main line stays on the table for a whole set of non-doubles at every scale; the side arms
// run off it, arm 1 with its 26th tile and arm 3 with its 25th. (At 1.5 the half pixels lost at
// every step let some runs take one tile more, so the side arms leave it elsewhere.)
TEST_F(BoardLayout, OnlyTheSideArmsLeaveTheTable) {
    struct Case {
        double scale;
        int arm;
        int firstOutside;  // kArmLength when every record stays on the table
    };
    const Case cases[] = {
        {1.0, 0, kArmLength}, {1.0, 1, 25},         {1.0, 2, kArmLength}, {1.0, 3, 24},
        {1.5, 0, kArmLength}, {1.5, 2, kArmLength}, {2.0, 0, kArmLength}, {2.0, 1, 25},
        {2.0, 2, kArmLength}, {2.0, 3, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << " arm " << c.arm);
        Start(c.scale);
        const Rect table{0, 0, Scaled(640, c.scale), Scaled(480, c.scale)};
        int firstOutside = kArmLength;
        for (int index = 0; index < kArmLength && firstOutside == kArmLength; ++index) {
            const PlacedTile record = Lay(c.arm, false);
            const Rect tile = Union(record.InnerHalf, record.OuterHalf);
            if (tile.left < table.left || tile.top < table.top || tile.right > table.right ||
                tile.bottom > table.bottom) {
                firstOutside = index;
            }
        }
        EXPECT_EQ(firstOutside, c.firstOutside);
    }
}

TEST_F(BoardLayout, ResettingOneArmLeavesTheOthers) {
    Start(1.0);
    for (int i = 0; i < 8; ++i) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            Lay(arm, i % 3 == 1);
        }
    }
    GameState before = state;
    ResetArmLayout(state, geometry, 2);
    EXPECT_EQ(state.ArmCursor[2], (Point{287, 218}));
    EXPECT_EQ(state.ArmRunState[2], 0);
    for (int arm : {0, 1, 3}) {
        EXPECT_EQ(state.ArmCursor[arm], before.ArmCursor[arm]) << "arm " << arm;
        EXPECT_EQ(state.ArmRunState[arm], before.ArmRunState[arm]) << "arm " << arm;
    }
}

TEST_F(BoardLayout, RebuildReproducesTheTilesAsTheyWerePlayed) {
    const int lengths[kArmCount] = {14, 9, kArmLength, 12};
    for (const double scale : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(scale);
        Start(scale);
        // Played in turn on the arms, as a hand goes, with doubles here and there (some of them on
        // corners).
        for (int index = 0; index < kArmLength; ++index) {
            for (int arm : {2, 0, 3, 1}) {
                if (index < lengths[arm]) {
                    state.Arm[arm][index] = Record((index * 7 + arm) % 4 == 1);
                    LayOutTile(state, scale, arm, state.Arm[arm][index]);
                }
            }
        }
        const GameState played = state;
        for (int arm = 0; arm < kArmCount; ++arm) {
            for (PlacedTile& record : state.Arm[arm]) {
                record.InnerHalf = record.OuterHalf = Rect{};
            }
            state.ArmCursor[arm] = {};
            state.ArmRunState[arm] = 0;
        }

        RebuildLayout(state, geometry);

        for (int arm = 0; arm < kArmCount; ++arm) {
            for (int index = 0; index < kArmLength; ++index) {
                SCOPED_TRACE(testing::Message() << "arm " << arm << " record " << index);
                EXPECT_EQ(state.Arm[arm][index].InnerHalf, played.Arm[arm][index].InnerHalf);
                EXPECT_EQ(state.Arm[arm][index].OuterHalf, played.Arm[arm][index].OuterHalf);
            }
            EXPECT_EQ(state.ArmCursor[arm], played.ArmCursor[arm]);
            EXPECT_EQ(state.ArmRunState[arm], played.ArmRunState[arm]);
        }
    }
}

TEST_F(BoardLayout, OutOfRangeArmsAndRunStatesAreNeverReadPast) {
    Start(1.0);
    const GameState before = state;
    PlacedTile record = Record(false);
    LayOutTile(state, 1.0, kArmCount, record);
    LayOutTile(state, 1.0, -1, record);
    ResetArmLayout(state, geometry, kArmCount);
    EXPECT_EQ(record.InnerHalf, Rect{});
    for (int arm = 0; arm < kArmCount; ++arm) {
        EXPECT_EQ(state.ArmCursor[arm], before.ArmCursor[arm]);
        EXPECT_EQ(state.ArmRunState[arm], before.ArmRunState[arm]);
    }

    // A run state past the route is taken as its last run, one below it as the first.
    state.ArmCursor[0] = {500, 100};
    state.ArmRunState[0] = 99;
    EXPECT_EQ(TopLeft(Lay(0, false).OuterHalf), (Point{500, 79}));
    EXPECT_EQ(state.ArmRunState[0], 5);
    state.ArmCursor[0] = {400, 218};
    state.ArmRunState[0] = -3;
    EXPECT_EQ(TopLeft(Lay(0, false).OuterHalf), (Point{421, 218}));
    EXPECT_EQ(state.ArmRunState[0], 0);
}

}  // namespace
}  // namespace pipwick
