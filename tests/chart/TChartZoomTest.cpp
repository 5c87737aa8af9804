// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TChart.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Mouse events go straight to the chart, as the window delivers them while
// the chart holds the mouse during a drag.
void send(TChart& chart, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(chart.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
}

class TChartZoom : public testing::Test {
protected:
    TChartZoom() { chart.resize(609, 425); }

    QPoint pixelOf(double x, double y) const { return chart.chartGeometry().mapToWidget(x, y).toPoint(); }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        ::send(chart, type, at, button, held);
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

// The chart in a shown, active window, next to an editor that has the focus
// (the chart takes none), as in the program's window.
class TChartDragEnd : public testing::Test {
protected:
    TChartDragEnd()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(editor);
        layout->addWidget(chart);
        chart->setFocusPolicy(Qt::NoFocus);
        chart->setMinimumSize(609, 425);
        window.show();
        QApplication::setActiveWindow(&window);
        editor->setFocus();
    }

    QRubberBand* band() const { return chart->findChild<QRubberBand*>(); }

    // Starts a drag from (-2, 1) that would zoom to (0, -1) on release.
    void startDrag()
    {
        from = chart->chartGeometry().mapToWidget(-2, 1).toPoint();
        to = chart->chartGeometry().mapToWidget(0, -1).toPoint();
        send(*chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(*chart, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        ASSERT_TRUE(band()->isVisible()) << "the drag has begun";
    }

    // No rectangle left behind, and the release, should it come, zooms nowhere.
    void expectDragEnded()
    {
        EXPECT_FALSE(band()->isVisible());
        send(*chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        EXPECT_FALSE(band()->isVisible());
        EXPECT_EQ(chart->range(AxisId::Bottom), (AxisRange{-4, 1}));
        EXPECT_EQ(chart->range(AxisId::Left), (AxisRange{-2, 2}));
    }

    QWidget window;
    QLineEdit* editor = new QLineEdit;
    TChart* chart = new TChart;
    QPoint from;
    QPoint to;
};

TEST_F(TChartDragEnd, UndisturbedDragZooms)
{
    startDrag();
    send(*chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(band()->isVisible());
    EXPECT_NEAR(chart->range(AxisId::Bottom).maximum, 0, 0.05);
}

TEST_F(TChartDragEnd, APopupMenuEndsTheDrag)
{
    startDrag();
    QMenu menu;
    menu.addAction(QStringLiteral("Copy"));
    menu.popup(chart->mapToGlobal(to));
    EXPECT_FALSE(band()->isVisible()) << "gone while the menu is open";
    menu.close();
    expectDragEnded();
}

TEST_F(TChartDragEnd, AnotherButtonEndsTheDrag)
{
    startDrag();
    send(*chart, QEvent::MouseButtonPress, to, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    send(*chart, QEvent::MouseButtonRelease, to, Qt::RightButton, Qt::LeftButton);
    expectDragEnded();
}

// Counts the Escape presses that reach a widget.
class EscapeCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        return false;
    }
};

TEST_F(TChartDragEnd, EscapeEndsTheDragAndGoesNoFurther)
{
    EscapeCounter reaching;
    editor->installEventFilter(&reaching);
    startDrag();
    QTest::keyClick(editor, Qt::Key_Escape);
    expectDragEnded();
    EXPECT_EQ(reaching.count, 0);

    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(reaching.count, 1) << "without a drag, Escape reaches the focus as before";
}

TEST_F(TChartDragEnd, AnotherWindowEndsTheDrag)
{
    startDrag();
    QWidget box;
    box.show();
    expectDragEnded();
}

TEST_F(TChartDragEnd, LosingTheActiveWindowEndsTheDrag)
{
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(chart->isActiveWindow());
    startDrag();
    QApplication::setActiveWindow(&other);
    expectDragEnded();
}

TEST_F(TChartDragEnd, HidingTheChartEndsTheDrag)
{
    startDrag();
    chart->hide();
    chart->show();
    expectDragEnded();
}

TEST_F(TChartDragEnd, LeavingTheChartDoesNotEndTheDrag)
{
    startDrag();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart, &leave);
    EXPECT_TRUE(band()->isVisible());
}

} // namespace
