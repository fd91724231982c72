// Time per tile drawn, and per redraw of a full table, at each scale.
#include <benchmark/benchmark.h>

#include "table/tile_drawing.h"

namespace pipwick {
namespace {

class NoClock : public Clock {
  public:
    uint32_t TickCount() override { return 0; }
    void WaitUntil(uint32_t) override {}
};

// The drawing reads pieces of whatever the canvas holds; plain colours time the same as artwork.
struct Bench {
    TableCanvas table;
    GameState state;
    GameSettings settings;
    NoClock clock;
    TileDrawer drawer{table, state, settings, clock, nullptr};
    WindowSurface window;

    explicit Bench(double s) : window(true, Scaled(640, s), Scaled(480, s), 0x008080) {
        table.scale = s;
        table.canvas = Canvas(Scaled(688, s), Scaled(480, s), 0x008080);
        ResetGameState(state);
    }
    PlacedTile Tile(bool lying) const {
        const double s = table.scale;
        PlacedTile t{TileWithPips(5, 6), 5, 6, {}, {}};
        t.InnerHalf = {Scaled(300, s), Scaled(200, s), 0, 0};
        t.OuterHalf = lying ? Rect{Scaled(321, s), Scaled(200, s), 0, 0}
                            : Rect{Scaled(300, s), Scaled(221, s), 0, 0};
        return t;
    }
};

double ScaleOf(int64_t arg) {
    return arg / 10.0;
}

void DrawUprightTile(benchmark::State& run) {
    Bench b(ScaleOf(run.range(0)));
    const PlacedTile tile = b.Tile(false);
    for (auto _ : run) {
        b.drawer.DrawTile(b.window, 0, 0, tile);
    }
}
BENCHMARK(DrawUprightTile)->Arg(10)->Arg(15)->Arg(20)->Unit(benchmark::kMicrosecond);

void DrawLyingTile(benchmark::State& run) {
    Bench b(ScaleOf(run.range(0)));
    const PlacedTile tile = b.Tile(true);
    for (auto _ : run) {
        b.drawer.DrawTile(b.window, 0, 0, tile);
    }
}
BENCHMARK(DrawLyingTile)->Arg(10)->Arg(15)->Arg(20)->Unit(benchmark::kMicrosecond);

// 28 tiles on the table, half of them lying.
void RedrawFullTable(benchmark::State& run) {
    Bench b(ScaleOf(run.range(0)));
    for (int i = 0; i < kTileCount; ++i) {
        PlacedTile& record = b.state.Arm[i % kArmCount][i / kArmCount];
        record = b.Tile(i % 2 == 0);
        record.Tile = i + 1;
    }
    for (auto _ : run) {
        b.drawer.RedrawAllTiles(b.window);
    }
}
BENCHMARK(RedrawFullTable)->Arg(10)->Arg(15)->Arg(20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pipwick

BENCHMARK_MAIN();
