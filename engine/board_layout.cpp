// Board layout of the four arms.
//
// Each arm follows a fixed route of straight runs winding out from the centre tile (arm 2's ends by
// winding back in). A tile continues its arm from the arm's cursor in the direction of the current
// run; once the cursor has reached the run's end limit, the next tile is a corner tile that starts
// the next run. A tile is 43 units long: two 22-unit halves sharing a one-unit dividing line. A
// double lies across its run and takes 22 units of it; a double that turns a corner either lies
// across the run that ends or stands in line with the new run, as the route says. Lengths are in
// units of the 640 x 480 design times the scale. Every coordinate is truncated toward zero and
// stored the moment it is computed, and the next step starts from that integer: t(t(a) + b) is not
// t(a + b), and at 1.5 bending the rule moves tiles, even corners. At exactly 1.5 a run going
// left or up also starts its test and its tile one pixel further on than the stored cursor.

#include "engine/board_layout.h"

#include <algorithm>
#include <span>

namespace pipwick {

namespace {

enum class Direction { kRight, kLeft, kDown, kUp };

enum class RunEnd {
    kAtLimit,  // ends once the cursor has reached the limit in the run's direction
    kAlways,   // ends at once: its one tile is the corner into the next run
    kNever,    // the last run of a route
};

// How a double lies when it is the tile that turns the corner out of a run.
enum class CornerDouble { kCrosswise, kInLine, kNoCorner };

// Which side of a run a crosswise double's InnerHalf lies on: on top in runs going right or left,
// on the left or the right in runs going up or down.
enum class CrossInner { kOnTop, kOnLeft, kOnRight };

struct Run {
    Direction direction;
    RunEnd end;
    int limit;  // design units, with kAtLimit only
    CornerDouble cornerDouble;
    CrossInner crossInner;
    int offset;  // design units a crosswise double is moved off the run's line to centre it
};

using enum Direction;
using enum RunEnd;
using enum CornerDouble;
using enum CrossInner;

// One route per arm, one run per line, from the centre outward. A run ends once the cursor has
// reached its limit going its way (right and down: >=, left and up: <=).
// clang-format off
//                            direction end       limit  corner double  cross inner  offset
constexpr Run kArm0Route[] = {{kRight,  kAtLimit, 568,   kCrosswise,    kOnTop,      11},
                              {kUp,     kAtLimit,  46,   kCrosswise,    kOnRight,    11},
                              {kLeft,   kAtLimit, 380,   kCrosswise,    kOnTop,      11},
                              {kDown,   kAtLimit, 140,   kCrosswise,    kOnLeft,     11},
                              {kRight,  kAtLimit, 500,   kCrosswise,    kOnTop,      11},
                              {kUp,     kNever,     0,   kNoCorner,     kOnRight,    11}};

constexpr Run kArm1Route[] = {{kUp,     kAtLimit,  44,   kCrosswise,    kOnRight,    11},
                              {kLeft,   kAtLimit,  54,   kCrosswise,    kOnTop,      11},
                              {kDown,   kAtLimit, 141,   kCrosswise,    kOnLeft,     11},
                              {kRight,  kAtLimit, 244,   kInLine,       kOnTop,      11},
                              {kUp,     kAtLimit, 100,   kCrosswise,    kOnLeft,     11},
                              {kLeft,   kNever,     0,   kNoCorner,     kOnTop,      11}};

// Arm 2 winds back in toward the centre, so its last runs are short; run 5 only turns a corner.
constexpr Run kArm2Route[] = {{kLeft,   kAtLimit,  50,   kCrosswise,    kOnTop,      11},
                              {kDown,   kAtLimit, 400,   kCrosswise,    kOnLeft,     11},
                              {kRight,  kAtLimit, 222,   kCrosswise,    kOnTop,      11},
                              {kUp,     kAtLimit, 284,   kCrosswise,    kOnLeft,     11},
                              {kLeft,   kAtLimit, 124,   kCrosswise,    kOnTop,      11},
                              {kDown,   kAlways,    0,   kInLine,       kOnLeft,     11},
                              {kRight,  kAtLimit, 136,   kInLine,       kOnTop,      11},
                              {kDown,   kAtLimit, 375,   kInLine,       kOnLeft,     11},
                              {kRight,  kNever,     0,   kNoCorner,     kOnTop,      11}};

// Arm 3's run 4 keeps its crosswise doubles 12 units off its line, one more than everywhere else.
constexpr Run kArm3Route[] = {{kDown,   kAtLimit, 406,   kCrosswise,    kOnLeft,     11},
                              {kRight,  kAtLimit, 566,   kCrosswise,    kOnTop,      11},
                              {kUp,     kAtLimit, 296,   kCrosswise,    kOnLeft,     11},
                              {kLeft,   kAtLimit, 396,   kCrosswise,    kOnTop,      11},
                              {kDown,   kAtLimit, 340,   kCrosswise,    kOnLeft,     12},
                              {kRight,  kNever,     0,   kNoCorner,     kOnTop,      11}};
// clang-format on

constexpr std::span<const Run> kRoutes[kArmCount] = {kArm0Route, kArm1Route, kArm2Route,
                                                     kArm3Route};

// Only the last run of a route may go on for ever, and it must: a corner always has a next run.
constexpr bool OnlyLastRunIsOpen(std::span<const Run> route) {
    for (std::size_t r = 0; r < route.size(); ++r) {
        if ((route[r].end == kNever) != (r + 1 == route.size())) {
            return false;
        }
    }
    return true;
}
static_assert(OnlyLastRunIsOpen(kArm0Route) && OnlyLastRunIsOpen(kArm1Route) &&
              OnlyLastRunIsOpen(kArm2Route) && OnlyLastRunIsOpen(kArm3Route));

// Where each arm starts, in design units from the centre tile's top-left corner: arm 0 on it,
// arms 1 and 3 above and below an upright double standing there, arm 2 to its left.
constexpr Point kArmStart[kArmCount] = {{0, 0}, {0, -33}, {-kTileWidthUnits, 0}, {0, 32}};

// A stored coordinate moved by a length in design units, stored again at once.
int32_t Offset(int32_t coordinate, int units, double scale) {
    return static_cast<int32_t>(coordinate + units * scale);
}

bool IsLying(Direction direction) {
    return direction == kRight || direction == kLeft;
}

// +1 where the coordinate along the direction grows (right, down), -1 where it shrinks.
int Sign(Direction direction) {
    return direction == kRight || direction == kDown ? 1 : -1;
}

// A point as its coordinate along a run's direction and its coordinate across it, so that one
// formula serves all four directions.
struct RunPoint {
    int32_t along;
    int32_t across;
};

RunPoint Split(Point point, Direction direction) {
    return IsLying(direction) ? RunPoint{point.x, point.y} : RunPoint{point.y, point.x};
}

Point Join(RunPoint point, Direction direction) {
    return IsLying(direction) ? Point{point.along, point.across} : Point{point.across, point.along};
}

// Where one tile goes: the top-left corners of its two halves, and the arm's next cursor.
struct Placement {
    Point inner;
    Point outer;
    Point cursor;
};

Placement Joined(RunPoint inner, RunPoint outer, RunPoint cursor, Direction direction) {
    return {Join(inner, direction), Join(outer, direction), Join(cursor, direction)};
}

// Step 1: at exactly 1.5 a run going left or up is taken from one pixel further on; the stored
// cursor stays as it is.
Point AdjustedCursor(Point cursor, Direction direction, double scale) {
    if (scale == 1.5 && direction == kLeft) {
        ++cursor.x;
    }
    if (scale == 1.5 && direction == kUp) {
        ++cursor.y;
    }
    return cursor;
}

// Step 2: the run ends once the adjusted cursor has reached its limit, going its way.
bool RunEnds(const Run& run, Point adjusted, double scale) {
    if (run.end != kAtLimit) {
        return run.end == kAlways;
    }
    const double along = Split(adjusted, run.direction).along;
    const double limit = run.limit * scale;
    return Sign(run.direction) > 0 ? along >= limit : along <= limit;
}

// Steps 3 and 5, in line: InnerHalf at the point, OuterHalf a half on, the cursor a tile on
// and, across the run, where the stored cursor was.
Placement InLineTile(Direction direction, RunPoint at, int32_t cursorAcross, double scale) {
    const int d = Sign(direction);
    const RunPoint outer{Offset(at.along, kSecondHalfUnits * d, scale), at.across};
    const RunPoint cursor{Offset(at.along, kTileLengthUnits * d, scale), cursorAcross};
    return Joined(at, outer, cursor, direction);
}

// Step 4, a double: across the run, centred on its line, taking a tile's width of the run.
Placement CrosswiseDouble(const Run& run, RunPoint at, double scale) {
    const int toOuter = run.crossInner == kOnRight ? -1 : 1;
    const RunPoint inner{at.along, Offset(at.across, -toOuter * run.offset, scale)};
    const RunPoint outer{at.along, Offset(inner.across, toOuter * kSecondHalfUnits, scale)};
    const RunPoint cursor{Offset(at.along, kTileWidthUnits * Sign(run.direction), scale),
                          at.across};
    return Joined(inner, outer, cursor, run.direction);
}

// Step 5, a crosswise double: across the run that ends (along the new direction), centred on the
// ending run's line; the new run continues from its far end.
Placement CrosswiseCornerDouble(Direction next, int offset, RunPoint at, int32_t cursorAcross,
                                double scale) {
    const int d = Sign(next);
    const RunPoint inner{Offset(at.along, -offset * d, scale), at.across};
    const RunPoint outer{Offset(inner.along, kSecondHalfUnits * d, scale), at.across};
    const RunPoint cursor{Offset(Offset(at.along, kTileLengthUnits * d, scale), -offset * d, scale),
                          cursorAcross};
    return Joined(inner, outer, cursor, next);
}

Placement StraightTile(const Run& run, bool isDouble, Point adjusted, double scale) {
    const RunPoint at = Split(adjusted, run.direction);
    if (isDouble) {
        return CrosswiseDouble(run, at, scale);
    }
    return InLineTile(run.direction, at, at.across, scale);
}

// The tile itself is laid from the adjusted cursor, but the new cursor keeps the stored coordinate
// on the ending run's axis.
Placement CornerTile(const Run& ending, Direction next, bool isDouble, Point adjusted, Point stored,
                     double scale) {
    const RunPoint at = Split(adjusted, next);
    const int32_t cursorAcross = Split(stored, next).across;
    if (isDouble && ending.cornerDouble == kCrosswise) {
        return CrosswiseCornerDouble(next, ending.offset, at, cursorAcross, scale);
    }
    return InLineTile(next, at, cursorAcross, scale);
}

// Step 6: a half is a square a tile wide from its top-left corner.
Rect Half(Point topLeft, double scale) {
    return {topLeft.x, topLeft.y, Offset(topLeft.x, kTileWidthUnits, scale),
            Offset(topLeft.y, kTileWidthUnits, scale)};
}

bool IsArm(int arm) {
    return arm >= 0 && arm < kArmCount;
}

}  // namespace

void ResetLayout(GameState& state, const Geometry& geometry) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        ResetArmLayout(state, geometry, arm);
    }
}

void ResetArmLayout(GameState& state, const Geometry& geometry, int arm) {
    if (!IsArm(arm)) {
        return;
    }
    const double scale = geometry.ScaleFactor;
    state.ArmCursor[arm] = {Offset(geometry.CentreTileRect.left, kArmStart[arm].x, scale),
                            Offset(geometry.CentreTileRect.top, kArmStart[arm].y, scale)};
    state.ArmRunState[arm] = 0;
}

void LayOutTile(GameState& state, double scale, int arm, PlacedTile& record) {
    if (!IsArm(arm)) {
        return;
    }
    const std::span<const Run> route = kRoutes[arm];
    // A run state from outside the route is taken as its nearest run rather than read past it.
    const int r = std::clamp(state.ArmRunState[arm], 0, static_cast<int32_t>(route.size()) - 1);
    const Point stored = state.ArmCursor[arm];
    const Point adjusted = AdjustedCursor(stored, route[r].direction, scale);
    const bool isDouble = record.InnerPip == record.OuterPip;

    Placement placement;
    if (RunEnds(route[r], adjusted, scale)) {
        placement = CornerTile(route[r], route[r + 1].direction, isDouble, adjusted, stored, scale);
        state.ArmRunState[arm] = r + 1;
    } else {
        placement = StraightTile(route[r], isDouble, adjusted, scale);
        state.ArmRunState[arm] = r;
    }

    record.InnerHalf = Half(placement.inner, scale);
    record.OuterHalf = Half(placement.outer, scale);
    state.ArmCursor[arm] = placement.cursor;
}

void RebuildLayout(GameState& state, const Geometry& geometry) {
    ResetLayout(state, geometry);
    for (int index = 0; index < kArmLength; ++index) {
        for (int arm = 0; arm < kArmCount; ++arm) {
            PlacedTile& record = state.Arm[arm][index];
            if (record.Tile != kNoTile) {
                LayOutTile(state, geometry.ScaleFactor, arm, record);
            }
        }
    }
}

}  // namespace pipwick
