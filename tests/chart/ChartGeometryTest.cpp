// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ChartGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Fixed text sizes, so the geometry is checked apart from any installed font.
const ChartTextMetrics kMetrics{
    .titleHeight = 20,
    .labelHeight = 15,
    .labelWidth = [](const QString& text) { return 7.0 * text.size(); },
};

ChartDesign designWithPercents(int bottomPercent, int leftPercent)
{
    ChartDesign design = kRootChartDesign;
    design.bottomAxis.positionPercent = bottomPercent;
    design.leftAxis.positionPercent = leftPercent;
    return design;
}

ChartGeometry rootGeometry(const ChartDesign& design, QSize size)
{
    return ChartGeometry(design, size, {design.bottomAxis.minimum, design.bottomAxis.maximum},
                         {design.leftAxis.minimum, design.leftAxis.maximum}, kMetrics, QLocale::c());
}

struct SizeCase {
    const char* name;
    QSize size;
};

class RootChartGeometry : public testing::TestWithParam<SizeCase> {};

TEST_P(RootChartGeometry, AxesCrossAtTheOriginAndTheRangeEndsOnTheCorners)
{
    const ChartGeometry g = rootGeometry(kRootChartDesign, GetParam().size);
    const QRectF plot = g.plotArea();
    ASSERT_TRUE(QRectF(QPointF(0, 0), QSizeF(GetParam().size)).contains(plot));

    const QPoint origin = g.mapToWidget(0, 0).toPoint();
    EXPECT_EQ(g.axisPosition(AxisId::Left), origin.x());
    EXPECT_EQ(g.axisPosition(AxisId::Bottom), origin.y());

    EXPECT_EQ(g.mapToWidget(-4, -2), plot.bottomLeft());
    EXPECT_EQ(g.mapToWidget(1, 2), plot.topRight());
    const QPointF back = g.mapFromWidget(g.mapToWidget(-1.25, 0.75));
    EXPECT_NEAR(back.x(), -1.25, 1e-9);
    EXPECT_NEAR(back.y(), 0.75, 1e-9);

    EXPECT_TRUE(g.contains(-4, -2));
    EXPECT_TRUE(g.contains(1, 2));
    EXPECT_FALSE(g.contains(1.001, 0));
    EXPECT_FALSE(g.contains(0, -2.001));
    EXPECT_FALSE(g.contains(std::nan(""), 0));
}

TEST_P(RootChartGeometry, TitleLiesAbovePlottingAreaAndAxisTitlesBesideTheirAxes)
{
    const ChartGeometry g = rootGeometry(kRootChartDesign, GetParam().size);
    const QRectF plot = g.plotArea();
    EXPECT_LE(g.titleRect(40).bottom(), plot.top());
    EXPECT_NEAR(g.titleRect(40).center().x(), GetParam().size.width() / 2.0, 1);

    const QRectF bottomTitle = g.axisTitleRect(AxisId::Bottom, {120, 15});
    EXPECT_GT(bottomTitle.top(), g.axisPosition(AxisId::Bottom));
    EXPECT_LT(bottomTitle.right(), g.axisPosition(AxisId::Left)) << "clear of the imaginary axis";

    const QRectF leftTitle = g.axisTitleRect(AxisId::Left, {70, 15});
    EXPECT_EQ(leftTitle.size(), QSizeF(15, 70)) << "turned by 90 degrees";
    EXPECT_LT(leftTitle.right(), g.axisPosition(AxisId::Left));
    EXPECT_LT(leftTitle.bottom(), g.axisPosition(AxisId::Bottom)) << "clear of the real axis";
}

INSTANTIATE_TEST_SUITE_P(Sizes, RootChartGeometry,
    testing::Values(SizeCase{"DesignSize", {609, 425}}, SizeCase{"Large", {1200, 900}},
                    SizeCase{"Small", {320, 240}}, SizeCase{"Wide", {1000, 300}},
                    SizeCase{"OddSizes", {611, 427}}),
    [](const auto& info) { return info.param.name; });

struct PercentCase {
    const char* name;
    int bottomPercent;
    int leftPercent;
    QSize size;
};

class AxisPositionPercent : public testing::TestWithParam<PercentCase> {};

TEST_P(AxisPositionPercent, MovesTheAxisIntoThePlottingArea)
{
    const PercentCase& c = GetParam();
    const ChartGeometry g = rootGeometry(designWithPercents(c.bottomPercent, c.leftPercent), c.size);
    const QRectF plot = g.plotArea();
    const double up = plot.bottom() - g.axisPosition(AxisId::Bottom);
    const double right = g.axisPosition(AxisId::Left) - plot.left();
    EXPECT_LE(std::abs(up - c.bottomPercent * plot.height() / 100), 0.5);
    EXPECT_LE(std::abs(right - c.leftPercent * plot.width() / 100), 0.5);
    EXPECT_EQ(g.axisLine(AxisId::Bottom), QLineF(plot.left(), plot.bottom() - up, plot.right(), plot.bottom() - up));
    EXPECT_EQ(g.axisLine(AxisId::Left), QLineF(plot.left() + right, plot.top(), plot.left() + right, plot.bottom()));
}

INSTANTIATE_TEST_SUITE_P(Percents, AxisPositionPercent,
    testing::Values(PercentCase{"UsualEdges", 0, 0, {609, 425}},
                    PercentCase{"OppositeEdges", 100, 100, {609, 425}},
                    PercentCase{"RootChartLarge", 50, 80, {1200, 900}},
                    PercentCase{"RootChartOdd", 50, 80, {333, 251}},
                    PercentCase{"Quarter", 25, 33, {700, 500}}),
    [](const auto& info) { return info.param.name; });

TEST(ChartGeometry, LabelsAndTicksMoveWithTheirAxis)
{
    const ChartGeometry g = rootGeometry(kRootChartDesign, {609, 425});
    const int axisY = g.axisPosition(AxisId::Bottom);
    const int axisX = g.axisPosition(AxisId::Left);

    const QRectF below = g.labelRect(AxisId::Bottom, -2, {14, 15});
    EXPECT_NEAR(below.center().x(), g.mapToWidget(-2, 0).x(), 0.5);
    EXPECT_GE(below.top(), axisY + kRootChartDesign.bottomAxis.tickLength);

    const QRectF beside = g.labelRect(AxisId::Left, 1, {14, 15});
    EXPECT_NEAR(beside.center().y(), g.mapToWidget(0, 1).y(), 0.5);
    EXPECT_LT(beside.right(), axisX);

    EXPECT_EQ(g.axisPoint(AxisId::Bottom, -1, 9), QPointF(g.mapToWidget(-1, 0).x(), axisY + 9));
    EXPECT_EQ(g.axisPoint(AxisId::Left, 1, -1), QPointF(axisX + 1, g.mapToWidget(0, 1).y()));
    EXPECT_EQ(g.gridLine(AxisId::Left, 1), QLineF(g.plotArea().left(), g.mapToWidget(0, 1).y(),
                                                 g.plotArea().right(), g.mapToWidget(0, 1).y()));
}

TEST(ChartGeometry, OnlyTheLabelsAtTheCrossingAreCrossedByTheOtherAxis)
{
    const ChartGeometry g = rootGeometry(kRootChartDesign, {609, 425});
    const QSizeF size(14, 15);
    EXPECT_TRUE(g.crossedByOtherAxis(AxisId::Bottom, g.labelRect(AxisId::Bottom, 0, size)));
    EXPECT_TRUE(g.crossedByOtherAxis(AxisId::Left, g.labelRect(AxisId::Left, 0, size)));
    for (double x : {-4.0, -0.5, 0.5, 1.0})
        EXPECT_FALSE(g.crossedByOtherAxis(AxisId::Bottom, g.labelRect(AxisId::Bottom, x, size))) << x;
    for (double y : {-2.0, -0.5, 0.5, 2.0})
        EXPECT_FALSE(g.crossedByOtherAxis(AxisId::Left, g.labelRect(AxisId::Left, y, size))) << y;
}

TEST(ChartGeometry, MarkBoxStandsTheArrowLengthAboveItsPoint)
{
    const ChartGeometry g = rootGeometry(kRootChartDesign, {609, 425});
    const QRectF box = g.markBox({200, 150}, {14, 15});
    EXPECT_EQ(box.bottom(), 150 - kRootChartDesign.series.markArrowLength);
    EXPECT_NEAR(box.center().x(), 200, 0.5);
    EXPECT_GT(box.width(), 14);
    EXPECT_GT(box.height(), 15);
}

TEST(ChartGeometry, ZoomedRangesMapToTheSamePlottingArea)
{
    const ChartGeometry g(kRootChartDesign, {609, 425}, {-2, 0}, {-1, 1}, kMetrics, QLocale::c());
    EXPECT_EQ(g.mapToWidget(-2, -1), g.plotArea().bottomLeft());
    EXPECT_EQ(g.mapToWidget(0, 1), g.plotArea().topRight());
    EXPECT_FALSE(g.contains(-3, 0));
    EXPECT_EQ(g.ticks(AxisId::Bottom).majors.front(), -2);
}

} // namespace
