// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellConversion.h"
#include "Exception.h"
#include "ShowRoots.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

class FakeTable : public RootCells {
public:
    void set(int row, std::string re, std::string im)
    {
        cells[RootTable::kRealColumn][row] = std::move(re);
        cells[RootTable::kImaginaryColumn][row] = std::move(im);
    }
    std::string cellText(int column, int row) const override
    {
        ++reads[row];
        return cells.at(column).at(row);
    }

    std::array<std::array<std::string, RootTable::kRowCount>, RootTable::kColumnCount> cells;
    mutable std::array<int, RootTable::kRowCount> reads{};
};

class FakeSeries : public RootSeries {
public:
    void clear() override { points.clear(); }
    void addPoint(const RootPoint& p) override { points.push_back(p); }

    std::vector<RootPoint> points{{"stale", 9, 9, clRed}};
};

TEST(ShowRoots, EmptyTableLeavesNoPoints)
{
    FakeTable table;
    FakeSeries series;
    showRoots(table, series, ',');
    EXPECT_TRUE(series.points.empty());
}

TEST(ShowRoots, LabelsFollowRowsAndHalfFilledRowsAreSkipped)
{
    FakeTable table;
    table.set(1, "-1", "");
    table.set(2, "-1", "1");
    table.set(3, "", "2");
    table.set(5, "0,5", "-2");
    table.set(6, "-1", "1");
    FakeSeries series;
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
    FakeTable table;
    table.set(1, "1", "1");
    table.set(2, "2", "2");
    table.set(3, "3", "1-2");
    table.set(4, "4", "4");
    FakeSeries series;
    try {
        showRoots(table, series, ',');
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), notAFloatMessage("1-2"));
    }
    ASSERT_EQ(series.points.size(), 2u);
    EXPECT_EQ(series.points[0].label, "p1");
    EXPECT_EQ(series.points[1].label, "p2");
    EXPECT_EQ(table.reads[4], 0) << "rows after the bad one are not read";
}

TEST(ShowRoots, RealPartIsConvertedFirstAndSpacesAreNotEmpty)
{
    FakeTable table;
    table.set(1, "  ", "x");
    FakeSeries series;
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
    FakeTable table;
    table.set(1, "0,1", "-3");
    table.set(4, "0,1", "-3");
    FakeSeries series;
    showRoots(table, series, ',');
    const auto first = series.points;
    showRoots(table, series, ',');
    EXPECT_EQ(series.points, first);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].x, 0.10000000149011612);
}

} // namespace
