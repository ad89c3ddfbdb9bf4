// Contour detail window speed: opening the window for a 99-point contour and drawing it, with the
// borders around it from the world map (target: under 50 ms), and drawing alone (a repaint).

#include "../tests/gui/contour_samples.h"

#include "forms/contour_detail_frm.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

namespace {

QApplication &App() {
    static int argc = 1;
    static char name[] = "bench_gui_contour_window";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

const ondrell::NoticeRecord &Contour99() {
    static const auto record = ondrell::testing::ContourRecord("4321", ondrell::testing::CirclePoints(99));
    return record;
}

// Fill from the record (country checks, crossings, border query) and draw the whole window.
void BM_OpenAndDraw99(benchmark::State &state) {
    App();
    const ondrell::WorldMap *map = ondrell::testing::SampleMap();
    for (auto _ : state) {
        ondrell::ContourDetailFrm window(Contour99(), map);
        window.resize(940, 620);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenAndDraw99)->Unit(benchmark::kMillisecond);

void BM_Redraw99(benchmark::State &state) {
    App();
    ondrell::ContourDetailFrm window(Contour99(), ondrell::testing::SampleMap());
    window.resize(940, 620);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.grab());
}
BENCHMARK(BM_Redraw99)->Unit(benchmark::kMillisecond);

} // namespace
