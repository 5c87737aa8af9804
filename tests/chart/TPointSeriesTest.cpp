// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TPointSeries.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> labelsOf(const TPointSeries& series)
{
    std::vector<std::string> labels;
    for (const RootPoint& p : series.points())
        labels.push_back(p.label);
    return labels;
}

struct OrderCase {
    const char* name;
    std::vector<RootPoint> added;
    std::vector<std::string> expected;
};

class SeriesOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(SeriesOrder, KeepsPointsSortedByXAndEqualXInAddingOrder)
{
    TPointSeries series;
    for (const RootPoint& p : GetParam().added)
        series.addPoint(p);
    EXPECT_EQ(labelsOf(series), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Orders, SeriesOrder,
    testing::Values(
        OrderCase{"SmallerXGoesFirst", {{"p1", 0, 1, clGreen}, {"p2", -3, 2, clGreen}}, {"p2", "p1"}},
        OrderCase{"EqualXKeepAddingOrder",
                  {{"p1", 1, 0, clGreen}, {"p2", 1, -1, clGreen}, {"p3", 1, 5, clGreen}}, {"p1", "p2", "p3"}},
        OrderCase{"EqualXAfterSmallerBeforeLarger",
                  {{"a", -1, 0, clGreen}, {"b", 2, 0, clGreen}, {"c", -1, 1, clGreen}, {"d", 0.5, 0, clGreen}},
                  {"a", "c", "d", "b"}},
        OrderCase{"None", {}, {}}),
    [](const auto& info) { return info.param.name; });

TEST(TPointSeries, KeepsEachPointsValuesAndColourWithItsLabel)
{
    TPointSeries series;
    series.addPoint({"p1", 0, 1.5, clGreen});
    series.addPoint({"p2", -3, -0.25, clBlue});
    ASSERT_EQ(series.points().size(), 2u);
    EXPECT_EQ(series.points()[0], (RootPoint{"p2", -3, -0.25, clBlue}));
    EXPECT_EQ(series.points()[1], (RootPoint{"p1", 0, 1.5, clGreen}));
}

TEST(TPointSeries, ClearEmptiesAndEveryChangeIsSignalled)
{
    TPointSeries series;
    QSignalSpy changes(&series, &TPointSeries::changed);
    series.addPoint({"p1", 0, 0, clGreen});
    series.addPoint({"p2", 1, 0, clGreen});
    EXPECT_EQ(changes.count(), 2);
    series.clear();
    EXPECT_TRUE(series.points().empty());
    EXPECT_EQ(changes.count(), 3);
}

} // namespace
