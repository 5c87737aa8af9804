// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellConversion.h"
#include "Exception.h"
#include "FakeRootSeries.h"
#include "FakeRootTable.h"
#include "ShowRoots.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A series that still shows the points of an earlier run.
FakeRootSeries staleSeries()
{
    FakeRootSeries series;
    series.points = {{"stale", 9, 9, clRed}};
    return series;
}

TEST(ShowRoots, EmptyTableLeavesNoPoints)
{
    FakeRootTable table;
    FakeRootSeries series = staleSeries();
    showRoots(table, series, ',');
    EXPECT_TRUE(series.points.empty());
}

TEST(ShowRoots, LabelsFollowRowsAndHalfFilledRowsAreSkipped)
{
    FakeRootTable table;
    table.row(1, "-1", "");
    table.row(2, "-1", "1");
    table.row(3, "", "2");
    table.row(5, "0,5", "-2");
    table.row(6, "-1", "1");
    FakeRootSeries series = staleSeries();
    showRoots(table, series, ',');
    const std::vector<RootPoint> expected{
        {"p2", -1, 1, clGreen},
        {"p5", 0.5, -2, clGreen},
        {"p6", -1, 1, clGreen},
    };
    EXPECT_EQ(series.points, expected);
}

TEST(ShowRoots, StopsAtTheFirstBadCellKeepingEarlierRows)
{
    FakeRootTable table;
    table.row(1, "1", "1");
    table.row(2, "2", "2");
    table.row(3, "3", "1-2");
    table.row(4, "4", "4");
    FakeRootSeries series = staleSeries();
    try {
        showRoots(table, series, ',');
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), notAFloatMessage("1-2"));
    }
    ASSERT_EQ(series.points.size(), 2u);
    EXPECT_EQ(series.points[0].label, "p1");
    EXPECT_EQ(series.points[1].label, "p2");
    EXPECT_EQ(table.reads(4), 0) << "rows after the bad one are not read";
}

TEST(ShowRoots, RealPartIsConvertedFirstAndSpacesAreNotEmpty)
{
    FakeRootTable table;
    table.row(1, "  ", "x");
    FakeRootSeries series = staleSeries();
    try {
        showRoots(table, series, ',');
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), notAFloatMessage("  "));
    }
    EXPECT_TRUE(series.points.empty()) << "the series is emptied before the rows are read";
}

TEST(ShowRoots, RunningTwiceGivesTheSamePoints)
{
    FakeRootTable table;
    table.row(1, "0,1", "-3");
    table.row(4, "0,1", "-3");
    FakeRootSeries series = staleSeries();
    showRoots(table, series, ',');
    const auto first = series.points;
    showRoots(table, series, ',');
    EXPECT_EQ(series.points, first);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].x, 0.10000000149011612);
}

} // namespace
