// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ShowRoots.h"
#include "SixRoots.h"
#include "TChart.h"
#include "TPointSeries.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

/// The chart's size in the window, as designed.
constexpr QSize kChartSize{609, 425};

/// A chart of the designed size, never shown: repaints are asked for
/// explicitly, so each figure holds exactly the work named.
struct ChartFixture {
    ChartFixture() { chart.resize(kChartSize); }
    TChart chart;
    QImage image{kChartSize, QImage::Format_ARGB32_Premultiplied};
    const FakeRootTable table = sixRoots();
};

void repaint(ChartFixture& f)
{
    f.chart.render(&f.image);
    benchmark::DoNotOptimize(f.image.constBits());
}

void BM_ShowRootsSixRowsChartSeries(benchmark::State& state)
{
    ChartFixture f;
    for (auto _ : state) {
        showRoots(f.table, *f.chart.series(), kSixRootsSeparator);
        benchmark::DoNotOptimize(f.chart.series()->points().data());
    }
}
BENCHMARK(BM_ShowRootsSixRowsChartSeries);

void BM_RepaintEmpty(benchmark::State& state)
{
    ChartFixture f;
    for (auto _ : state)
        repaint(f);
}
BENCHMARK(BM_RepaintEmpty)->Unit(benchmark::kMicrosecond);

void BM_RepaintSixRoots(benchmark::State& state)
{
    ChartFixture f;
    showRoots(f.table, *f.chart.series(), kSixRootsSeparator);
    for (auto _ : state)
        repaint(f);
}
BENCHMARK(BM_RepaintSixRoots)->Unit(benchmark::kMicrosecond);

/// What a click on the button costs before the picture reaches the screen.
void BM_ShowRootsSixRowsAndRepaint(benchmark::State& state)
{
    ChartFixture f;
    for (auto _ : state) {
        showRoots(f.table, *f.chart.series(), kSixRootsSeparator);
        repaint(f);
    }
}
BENCHMARK(BM_ShowRootsSixRowsAndRepaint)->Unit(benchmark::kMicrosecond);

/// What the chart does on every resize and zoom, and once at start-up:
/// choose the ticks and measure their labels, lay out title, axes and walls.
void BM_RelayoutAtDesignSize(benchmark::State& state)
{
    ChartFixture f;
    // Shown (but not on screen) so that a resize reaches resizeEvent at once.
    f.chart.setAttribute(Qt::WA_DontShowOnScreen);
    f.chart.show();
    const QSize sizes[] = {kChartSize, kChartSize - QSize(1, 0)};
    int i = 0;
    for (auto _ : state) {
        f.chart.resize(sizes[i ^= 1]);
        benchmark::DoNotOptimize(f.chart.chartGeometry().plotArea());
    }
}
BENCHMARK(BM_RelayoutAtDesignSize)->Unit(benchmark::kMicrosecond);

/// The picture the copy makes, on its own.
void BM_ToImageSixRoots(benchmark::State& state)
{
    ChartFixture f;
    showRoots(f.table, *f.chart.series(), kSixRootsSeparator);
    for (auto _ : state) {
        const QImage image = f.chart.toImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ToImageSixRoots)->Unit(benchmark::kMicrosecond);

/// The whole menu command: render, then hand over to the system clipboard
/// (kept in-process by the offscreen platform).
void BM_CopyToClipboardSixRoots(benchmark::State& state)
{
    ChartFixture f;
    showRoots(f.table, *f.chart.series(), kSixRootsSeparator);
    for (auto _ : state)
        f.chart.copyToClipboard();
}
BENCHMARK(BM_CopyToClipboardSixRoots)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
