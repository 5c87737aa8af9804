// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "PixelChecks.h"
#include "TChart.h"
#include "TPointSeries.h"

#include <gtest/gtest.h>

namespace {

constexpr QSize kDesignSize(609, 425);

class TChartPicture : public testing::Test {
protected:
    TChartPicture() { chart.resize(kDesignSize); }

    QPoint pixelOf(double x, double y) const { return chart.chartGeometry().mapToWidget(x, y).toPoint(); }

    TChart chart;
};

TEST_F(TChartPicture, EmptyChartShowsBothAxesCrossingAtTheOriginAndABlueTitle)
{
    const QImage image = chart.toImage();
    ASSERT_EQ(image.size(), kDesignSize);
    const QRect plot = chart.chartGeometry().plotArea().toRect();
    const QPoint origin = pixelOf(0, 0);

    const auto darkInRow = [&](int y) { return countPixels(image, QRect(plot.left(), y, plot.width(), 1), isDark); };
    const auto darkInColumn = [&](int x) { return countPixels(image, QRect(x, plot.top(), 1, plot.height()), isDark); };
    EXPECT_GE(darkInRow(origin.y()), plot.width() * 95 / 100);
    EXPECT_LT(darkInRow(origin.y() - 1), plot.width() / 2);
    EXPECT_LT(darkInRow(origin.y() + 1), plot.width() / 2);
    EXPECT_GE(darkInColumn(origin.x()), plot.height() * 95 / 100);
    EXPECT_LT(darkInColumn(origin.x() - 1), plot.height() / 2);
    EXPECT_LT(darkInColumn(origin.x() + 1), plot.height() / 2);

    const int blueAbove = countPixels(image, QRect(0, 0, image.width(), plot.top()), isBlue);
    const int blueElsewhere = countPixels(image, QRect(0, plot.top(), image.width(), image.height()), isBlue);
    EXPECT_GT(blueAbove, 20);
    EXPECT_EQ(blueElsewhere, 0);

    EXPECT_EQ(countPixels(image, image.rect(), isGreen), 0);
    EXPECT_EQ(countPixels(image, image.rect(), isLightYellow), 0);
    EXPECT_TRUE(isWhite(image.pixelColor(0, 0)));
}

TEST_F(TChartPicture, NeighbouringLabelsAndTitlesDoNotOverlapAtTheDesignSize)
{
    const ChartGeometry& g = chart.chartGeometry();
    QFont font(QString::fromUtf8(kRootChartDesign.labelFont.family.data(), kRootChartDesign.labelFont.family.size()));
    font.setPixelSize(kRootChartDesign.labelFont.pixelSize);
    const QFontMetricsF fm(font);
    for (AxisId axis : {AxisId::Bottom, AxisId::Left}) {
        const AxisTicks& ticks = g.ticks(axis);
        ASSERT_GE(ticks.majors.size(), 3u);
        const auto box = [&](std::size_t i) {
            return g.labelRect(axis, ticks.majors[i], {fm.horizontalAdvance(ticks.labels[i]), fm.height()});
        };
        for (std::size_t i = 1; i < ticks.majors.size(); ++i)
            EXPECT_FALSE(box(i - 1).intersects(box(i))) << ticks.labels[i - 1].toStdString() << " and "
                                                         << ticks.labels[i].toStdString();
        for (const AxisLabel& label : g.labels(axis)) {
            for (const QRectF& title : {g.titleBox(), g.axisTitleBox(AxisId::Bottom), g.axisTitleBox(AxisId::Left)})
                EXPECT_FALSE(label.box.intersects(title)) << label.text.toStdString();
        }
    }
}

TEST_F(TChartPicture, AChartResizedWhileHiddenIsDrawnAtItsNewSize)
{
    chart.undoZoom(); // laid out at the design size
    const QSize larger(800, 500);
    chart.resize(larger); // hidden: no resize event
    EXPECT_EQ(chart.chartGeometry().size(), larger);
    const QImage image = chart.toImage();
    ASSERT_EQ(image.size(), larger);
    const QPoint origin = pixelOf(0, 0);
    const QRect plot = chart.chartGeometry().plotArea().toRect();
    EXPECT_GE(countPixels(image, QRect(plot.left(), origin.y(), plot.width(), 1), isDark), plot.width() * 95 / 100);
    EXPECT_GE(countPixels(image, QRect(origin.x(), plot.top(), 1, plot.height()), isDark), plot.height() * 95 / 100);
}

TEST_F(TChartPicture, EachRootIsAGreenStarUnderALightYellowMark)
{
    const std::vector<RootPoint> roots = {
        {"p1", -1, 1, clGreen}, {"p2", 0, 0, clGreen}, {"p3", -3.5, -1.5, clGreen}, {"p4", 0.5, -0.5, clGreen}};
    for (const RootPoint& root : roots)
        chart.series()->addPoint(root);
    const QImage image = chart.toImage();
    const int r = kRootChartDesign.series.pointerHalfSize;

    for (const RootPoint& root : roots) {
        SCOPED_TRACE(root.label);
        const QPoint c = pixelOf(root.x, root.y);
        for (QPoint arm : {QPoint(0, 0), QPoint(r, 0), QPoint(-r, 0), QPoint(0, r), QPoint(0, -r), QPoint(r, r),
                           QPoint(-r, -r), QPoint(r, -r), QPoint(-r, r)})
            EXPECT_TRUE(isGreen(image.pixelColor(c + arm))) << "arm end " << arm.x() << "," << arm.y();
        const int green = countPixels(image, QRect(c - QPoint(r + 3, r + 3), QSize(2 * r + 7, 2 * r + 7)), isGreen);
        EXPECT_EQ(green, 8 * r + 1) << "a '+' and a 'x' over each other, nothing more";

        int yellowAt = 0;
        for (int dy = 1; dy < 20 && !yellowAt; ++dy)
            yellowAt = isLightYellow(image.pixelColor(c.x(), c.y() - dy)) ? dy : 0;
        EXPECT_GT(yellowAt, kRootChartDesign.series.markArrowLength);
        EXPECT_LE(yellowAt, kRootChartDesign.series.markArrowLength + 4);
        EXPECT_GT(countPixels(image, QRect(c.x() - 10, c.y() - 30, 21, 30), isLightYellow), 60);
    }
}

TEST_F(TChartPicture, RootsOutsideTheRangesLeaveNoMarkerAndNoMark)
{
    chart.series()->addPoint({"p1", 1.5, 0, clGreen});
    chart.series()->addPoint({"p2", -1, 2.5, clGreen});
    chart.series()->addPoint({"p3", -4.2, -2.2, clGreen});
    const QImage image = chart.toImage();
    EXPECT_EQ(countPixels(image, image.rect(), isGreen), 0);
    EXPECT_EQ(countPixels(image, image.rect(), isLightYellow), 0);
}

TEST_F(TChartPicture, PointWithoutItsOwnColourTakesTheSeriesRed)
{
    chart.series()->addPoint({"p1", -2, 1, clDefault});
    const QImage image = chart.toImage();
    EXPECT_EQ(image.pixelColor(pixelOf(-2, 1)), QColor(255, 0, 0));
}

} // namespace
