// The three markers of a highlight (normal, hot, active) against a plain per-pixel copy of the same
// bitmap, for the default 65 x 65 circle and a board-sized 600 x 288 one.
#include <benchmark/benchmark.h>

#include "setupctrls/renderring.h"

namespace {

ui::TBitmap Background(int w, int h) {
    ui::TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.ScanLine(y)[x] = static_cast<uint32_t>(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
    return b;
}

void BM_PlainCopy(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const ui::TBitmap source = Background(w, h);
    ui::TBitmap target(w, h);
    for (auto _ : state) {
        for (int marker = 0; marker < 3; ++marker)
            for (int y = 0; y < h; ++y) {
                const uint32_t* s = source.ScanLine(y);
                uint32_t* d = target.ScanLine(y);
                for (int x = 0; x < w; ++x) d[x] = s[x];
                benchmark::ClobberMemory();
            }
    }
    state.SetItemsProcessed(state.iterations() * 3 * w * h);
}

void BM_ThreeMarkers(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const ui::TBitmap source = Background(w, h);
    ui::TBitmap target(w, h);
    const struct {
        float strength;
        bool hot;
    } markers[] = {{0.5f, false}, {1.0f, true}, {0.75f, false}};
    for (auto _ : state) {
        for (const auto& m : markers) {
            target.Assign(source);
            setupctrls::RenderRing(target, w - 1, h - 1, m.strength, ui::clYellow, m.hot);
            benchmark::DoNotOptimize(target.Pixel(w / 2, h / 2));
        }
    }
    state.SetItemsProcessed(state.iterations() * 3 * w * h);
}

}  // namespace

BENCHMARK(BM_PlainCopy)->Args({65, 65})->Args({600, 288});
BENCHMARK(BM_ThreeMarkers)->Args({65, 65})->Args({600, 288});
BENCHMARK_MAIN();
