// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// Runs the show-roots command many times over, alternating tables that plot
// with tables that fail, and checks that every run gives the same answer and
// that the live heap does not grow once the first runs have warmed up.

#include "Exception.h"
#include "FakeRootSeries.h"
#include "FakeRootTable.h"
#include "HeapGrowthCheck.h"
#include "PlottedRoot.h"
#include "ShowRoots.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kRuns = 10000;
constexpr int kWarmUpRuns = 1000;

struct Expected {
    FakeRootTable table;
    std::vector<RootPoint> points;
    std::string message; ///< empty when the table plots
};

// What a cell may hold once pasted: NUL, bytes that are not UTF-8, control
// characters, and a lot of them.
std::string pastedJunk()
{
    constexpr char kPieces[] = "1,5\0\xff\xfe\xd0\xba\t\r\n e+-";
    const std::string_view pieces(kPieces, sizeof kPieces - 1);
    std::string junk;
    for (std::size_t i = 0; junk.size() < 64 * 1024; ++i)
        junk += pieces.substr(i % pieces.size());
    return junk;
}

std::vector<Expected> plottingTables()
{
    std::vector<Expected> tables(3);
    tables[0].table.row(1, "1", "1").row(2, "-1", "-1").row(3, "0,5", "-0,5").row(4, "-4", "2")
        .row(5, "1e0", "-2E0").row(6, "  3,25 ", "0");
    tables[0].points = {plottedRoot(1, 1, 1), plottedRoot(2, -1, -1), plottedRoot(3, 0.5, -0.5),
                        plottedRoot(4, -4, 2), plottedRoot(5, 1, -2), plottedRoot(6, 3.25, 0)};
    tables[1].table.row(2, "-1", "1").row(5, "0,25", "-3");
    tables[1].points = {plottedRoot(2, -1, 1), plottedRoot(5, 0.25, -3)};
    tables[2].table.row(1, "0," + std::string(4000, '0') + "1e4001", "-" + std::string(300, '9') + "e-300");
    tables[2].points = {plottedRoot(1, 1, -1)};
    return tables;
}

std::vector<Expected> failingTables()
{
    std::vector<Expected> tables(4);
    tables[0].table.row(1, "1", "1").row(2, "2", "2").row(3, "3", "1-2").row(4, "4", "4");
    tables[0].points = {plottedRoot(1, 1, 1), plottedRoot(2, 2, 2)};
    tables[0].message = "'1-2' is not a valid floating point value";
    tables[1].table.row(1, "   ", "1");
    tables[1].message = "'   ' is not a valid floating point value";
    const std::string junk = pastedJunk();
    tables[2].table.row(1, "1", "0").row(2, "2", "0").row(3, "3", "0").row(4, "4", "0").row(5, "5", "0")
        .row(6, junk, "0");
    tables[2].points = {plottedRoot(1, 1, 0), plottedRoot(2, 2, 0), plottedRoot(3, 3, 0), plottedRoot(4, 4, 0),
                        plottedRoot(5, 5, 0)};
    tables[2].message = "'" + junk + "' is not a valid floating point value";
    tables[3].table.row(1, "-1", "0").row(3, "-2", "0").row(4, "-3", "1e5000");
    tables[3].points = {plottedRoot(1, -1, 0), plottedRoot(3, -2, 0)};
    tables[3].message = "'1e5000' is not a valid floating point value";
    return tables;
}

TEST(ShowRootsSoak, TenThousandRunsGiveTheSameAnswersWithoutHeapGrowth)
{
    const std::vector<Expected> plotting = plottingTables();
    const std::vector<Expected> failing = failingTables();
    FakeRootSeries series;
    int wrongAnswers = 0;
    HeapGrowthCheck heap(kRuns, kWarmUpRuns);

    for (int run = 1; run <= kRuns; ++run) {
        // Odd runs fail, even runs plot; the last run plots.
        const std::vector<Expected>& kind = run % 2 ? failing : plotting;
        const Expected& expected = kind[std::size_t(run / 2) % kind.size()];
        bool rightAnswer = true;
        try {
            showRoots(expected.table, series, ',');
            rightAnswer = expected.message.empty();
        } catch (const EConvertError& e) {
            rightAnswer = e.message() == expected.message;
        }
        if (!rightAnswer || series.points != expected.points)
            ++wrongAnswers;
        heap.afterRun(run);
    }

    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(series.points, plotting[std::size_t(kRuns / 2) % plotting.size()].points);
    EXPECT_TRUE(heap.heapDidNotGrow());
    std::cout << heap.summary() << "\n";
}

} // namespace
