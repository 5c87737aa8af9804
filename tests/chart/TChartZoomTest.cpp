// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TChart.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

class TChartZoom : public testing::Test {
protected:
    TChartZoom() { chart.resize(609, 425); }

    QPoint pixelOf(double x, double y) const { return chart.chartGeometry().mapToWidget(x, y).toPoint(); }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(chart.mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    }

    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        send(QEvent::MouseButtonPress, from, button, button);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
        send(QEvent::MouseMove, to, Qt::NoButton, button);
        send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }

    void expectDesignRanges()
    {
        EXPECT_EQ(chart.range(AxisId::Bottom), (AxisRange{-4, 1}));
        EXPECT_EQ(chart.range(AxisId::Left), (AxisRange{-2, 2}));
    }

    TChart chart;
};

TEST_F(TChartZoom, LeftDragDownRightZoomsAndUpLeftRestores)
{
    drag(Qt::LeftButton, pixelOf(-2, 1), pixelOf(0, -1));
    const double pixel = 5.0 / chart.chartGeometry().plotArea().width();
    EXPECT_NEAR(chart.range(AxisId::Bottom).minimum, -2, 2 * pixel);
    EXPECT_NEAR(chart.range(AxisId::Bottom).maximum, 0, 2 * pixel);
    EXPECT_NEAR(chart.range(AxisId::Left).minimum, -1, 0.05);
    EXPECT_NEAR(chart.range(AxisId::Left).maximum, 1, 0.05);
    EXPECT_EQ(chart.chartGeometry().range(AxisId::Bottom), chart.range(AxisId::Bottom));

    drag(Qt::LeftButton, QPoint(300, 300), QPoint(200, 200));
    expectDesignRanges();
}

TEST_F(TChartZoom, RightDragAndClicksLeaveTheRangesAlone)
{
    drag(Qt::RightButton, pixelOf(-2, 1), pixelOf(0, -1));
    expectDesignRanges();
    drag(Qt::RightButton, pixelOf(0, -1), pixelOf(-2, 1));
    expectDesignRanges();
    drag(Qt::LeftButton, QPoint(200, 200), QPoint(201, 201));
    expectDesignRanges();
}

TEST_F(TChartZoom, ZoomingInStopsBeforeTheValuesRunOutOfPrecision)
{
    // Each small drag shrinks the ranges about a hundredfold; without a
    // floor the ticks of a 1e-15 wide range could not be counted.
    const QRectF area = chart.chartGeometry().plotArea();
    const QPoint middle = area.center().toPoint();
    for (int i = 0; i < 20; ++i)
        drag(Qt::LeftButton, middle, middle + QPoint(4, 4));
    const AxisRange bottom = chart.range(AxisId::Bottom);
    EXPECT_GE(bottom.maximum - bottom.minimum, 5e-6);
    EXPECT_LT(bottom.maximum - bottom.minimum, 1e-3) << "zooming in still works";
    EXPECT_FALSE(chart.chartGeometry().ticks(AxisId::Bottom).majors.empty());
    EXPECT_FALSE(chart.toImage().isNull());
}

} // namespace
