// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "ChartGeometry.h"
#include "ImageClipboard.h"
#include "RootChartDesign.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <optional>

class QPainter;
class QRubberBand;
class TPointSeries;

/// The root chart: the complex plane with its two axes crossing at the
/// origin and one point series drawn as labelled stars.
///
/// Dragging a rectangle down and right with the left button zooms into it;
/// dragging up and left brings back the design's ranges. Whatever takes the
/// mouse or the keyboard away during a drag (another button, Escape, a menu,
/// another window) ends it without a zoom. The right button is left to
/// whoever owns the chart (the window's context menu).
///
/// The layout is made again wherever its inputs change: the size, the ranges,
/// the fonts and the locale. Painting only reads it.
class TChart : public QWidget {
    Q_OBJECT
public:
    /// A chart configured as the root chart, with an empty series.
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    /// The only series (index 0, object name "Series1"), owned by the chart.
    TPointSeries* series() const;
    /// The whole chart at its current size on a white background, carrying
    /// the screen's pixel ratio.
    QImage toImage() const;
    /// Puts toImage() on the clipboard. Throws Exception("Cannot open
    /// clipboard") when the clipboard cannot be used.
    void copyToClipboard();
    /// Where copyToClipboard() puts the picture; nullptr means the system
    /// clipboard. The chart does not take ownership.
    void setClipboard(ImageClipboard* clipboard);

    /// The ranges the axes show now: the design's, or a zoomed part of them.
    AxisRange range(AxisId axis) const;
    /// Shows the given ranges until undoZoom().
    void zoomTo(AxisRange bottom, AxisRange left);
    void undoZoom();
    /// Where everything lies at the current size and ranges: the layout made
    /// when they last changed, or, for a chart resized while hidden (which
    /// gets no resize event), one made afresh. A copy: keep it by value.
    ChartGeometry chartGeometry() const;
    /// The settings the chart is drawn with.
    const ChartDesign& design() const { return design_; }

signals:
    /// After zoomTo() and undoZoom().
    void rangesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ChartGeometry layOut() const;
    bool layoutIsCurrent() const;
    void relayout();
    void paint(QPainter& painter) const;
    void draw(QPainter& painter, const ChartGeometry& g) const;
    void drawBackground(QPainter& painter, const ChartGeometry& g) const;
    void drawTitle(QPainter& painter, const ChartGeometry& g) const;
    void drawAxes(QPainter& painter, const ChartGeometry& g) const;
    void drawAxis(QPainter& painter, const ChartGeometry& g, AxisId axis) const;
    void drawPoints(QPainter& painter, const ChartGeometry& g) const;
    void drawMarks(QPainter& painter, const ChartGeometry& g) const;

    void beginDrag(QPoint origin);
    void endDrag();

    ChartDesign design_ = kRootChartDesign;
    // The design's fonts, looked up once among the installed families rather
    // than on every layout and paint.
    struct Fonts {
        QFont title;
        QFont labels;
        QFont axisTitles;
        QFont marks;
    };
    Fonts fonts_;
    TPointSeries* series_;
    AxisRange bottomRange_;
    AxisRange leftRange_;
    // Made at the first resize or zoom; none before, so that a chart never
    // measures text at a size it is not shown at.
    std::optional<ChartGeometry> layout_;
    SystemImageClipboard systemClipboard_;
    ImageClipboard* clipboard_ = &systemClipboard_;
    QRubberBand* rubberBand_ = nullptr;
    QPoint dragOrigin_;
    bool dragging_ = false;
};
