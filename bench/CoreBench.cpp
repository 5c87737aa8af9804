// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellConversion.h"
#include "FakeRootSeries.h"
#include "ShowRoots.h"
#include "SixRoots.h"

#include <benchmark/benchmark.h>

#include <iterator>
#include <string>
#include <string_view>

namespace {

// The texts a user is likely to type: an integer, a short decimal and the
// longest form the conversion accepts, with spaces and an exponent.
constexpr std::string_view kCellTexts[] = {"-1", "-0.5", "  -12.375e-2  "};

void BM_CellTextToFloat(benchmark::State& state)
{
    const std::string_view text = kCellTexts[state.range(0)];
    std::string label = "\"";
    label.append(text).push_back('"');
    state.SetLabel(label);
    for (auto _ : state) {
        std::string_view t = text;
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(cellTextToFloat(t, '.'));
    }
}
BENCHMARK(BM_CellTextToFloat)->DenseRange(0, std::size(kCellTexts) - 1);

void BM_ShowRootsSixRowsPlainSeries(benchmark::State& state)
{
    const FakeRootTable table = sixRoots();
    // The least series: it keeps the points in a vector, so the figure is
    // the command's own cost (reading cells, converting, building labels).
    FakeRootSeries series;
    for (auto _ : state) {
        showRoots(table, series, kSixRootsSeparator);
        benchmark::DoNotOptimize(series.points.data());
    }
}
BENCHMARK(BM_ShowRootsSixRowsPlainSeries);

} // namespace

BENCHMARK_MAIN();
