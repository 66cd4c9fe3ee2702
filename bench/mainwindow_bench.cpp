// Start-up work without a display: reading the description, building the main window and painting it
// once, against decoding the photograph alone (the baseline every start-up must pay).
#include <benchmark/benchmark.h>

#include <memory>

#include "app/template.h"
#include "ui/core/jpeg.h"
#include "ui/core/resources.h"
#include "ui/ws/headless/headless.h"

namespace {

struct Desktop {
    Desktop() {
        auto ws = std::make_unique<ui::HeadlessWidgetSet>();
        headless = ws.get();
        app = std::make_unique<ui::TApplication>(std::move(ws));
        RegisterTemplate();
    }
    ui::HeadlessWidgetSet* headless;
    std::unique_ptr<ui::TApplication> app;
};

void BM_DecodePhotograph(benchmark::State& state) {
    RegisterTemplate();
    auto data = *ui::FindResource("board.jpg");
    for (auto _ : state) {
        ui::TJPEGImage image;
        image.LoadFromBytes(data);
        benchmark::DoNotOptimize(image.Bitmap().Pixel(0, 0));
    }
}
BENCHMARK(BM_DecodePhotograph)->Unit(benchmark::kMillisecond);

void BM_ReadDescription(benchmark::State& state) {
    Desktop d;
    for (auto _ : state) {
        auto* form = new TMainForm(d.app.get());
        benchmark::DoNotOptimize(form->BoardImage1);
        state.PauseTiming();
        form->Free();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReadDescription)->Unit(benchmark::kMillisecond);

void BM_BuildAndPaintMainWindow(benchmark::State& state) {
    Desktop d;
    for (auto _ : state) {
        auto* form = new TMainForm(d.app.get());
        form->Show();
        d.app->ProcessMessages();
        benchmark::DoNotOptimize(form->BoardImage1->Backing().Pixel(0, 0));
        state.PauseTiming();
        form->Free();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildAndPaintMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
