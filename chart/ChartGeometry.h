// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "AxisTicks.h"
#include "ChartDesign.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

/// How big texts are in one of the chart's fonts.
struct TextMeasure {
    double height = 0;
    std::function<double(const QString&)> width;

    QSizeF size(const QString& text) const { return QSizeF(width(text), height); }
};

/// Sizes of the chart's texts. The widget measures them with its fonts; a
/// test may give fixed ones.
struct ChartTextMetrics {
    TextMeasure title;
    TextMeasure labels;
    TextMeasure axisTitles;
};

/// A value label of an axis, where the chart draws it.
struct AxisLabel {
    double value = 0;
    QString text;
    QRectF box;
};

/// Where everything of a chart lies at one widget size and one pair of axis
/// ranges, in widget pixels. Drawing and mouse handling both go through it.
/// It is made whole in its constructor and never changes afterwards.
class ChartGeometry {
public:
    /// Lays the chart out; the labels are written with `decimalSeparator`.
    ChartGeometry(const ChartDesign& design, QSize size, AxisRange bottom, AxisRange left,
                  const ChartTextMetrics& metrics, char decimalSeparator);

    QSize size() const { return size_; }
    /// The box of a title `textWidth` wide: centred over the panel, inside
    /// its top margin.
    QRectF titleRect(double textWidth) const;
    /// The box of the design's title; empty when the chart has none.
    QRectF titleBox() const { return titleBox_; }
    /// The plotting area. Its edges carry the ends of the ranges: the
    /// minimum of the bottom axis lies on left(), its maximum on right().
    QRectF plotArea() const { return plot_; }
    AxisRange range(AxisId axis) const;
    /// The row of the bottom axis, or the column of the left axis.
    int axisPosition(AxisId axis) const;
    QLineF axisLine(AxisId axis) const;
    /// The ticks of `axis`. Asked of a geometry about to go (a layout the
    /// chart hands out by value, say), they are given as a copy, so a loop
    /// over them never outlives what it reads.
    const AxisTicks& ticks(AxisId axis) const&;
    AxisTicks ticks(AxisId axis) &&;

    QPointF mapToWidget(double x, double y) const;
    QPointF mapFromWidget(QPointF pixel) const;
    /// Whether a value pair lies within both ranges, ends included.
    bool contains(double x, double y) const;

    /// The point at `value` along the axis, moved `outward` pixels away from
    /// the plotting area's inside (downwards for the bottom axis, leftwards
    /// for the left one); negative values move inward.
    QPointF axisPoint(AxisId axis, double value, double outward) const;
    /// The grid line at `value`, across the whole plotting area.
    QLineF gridLine(AxisId axis, double value) const;
    QRectF labelRect(AxisId axis, double value, QSizeF textSize) const;
    /// Whether the other axis' line runs through a label box of `axis`, as
    /// it does through the labels at the crossing; such a label is left out
    /// rather than struck through.
    bool crossedByOtherAxis(AxisId axis, const QRectF& labelBox) const;
    /// The axis title's box. The left axis' title is turned by 90°, so its
    /// box is as wide as the text is high.
    QRectF axisTitleRect(AxisId axis, QSizeF textSize) const;
    /// The box of the design's title of `axis`; empty when it has none.
    QRectF axisTitleBox(AxisId axis) const;
    /// The value labels drawn along `axis`, ascending. A major tick's label is
    /// left out where the other axis runs through it, and where it would
    /// overlap a title or a label kept before it (the bottom axis' labels are
    /// kept first), so that no two texts of the chart ever collide. Like the
    /// ticks, a copy when asked of a geometry about to go.
    const std::vector<AxisLabel>& labels(AxisId axis) const&;
    std::vector<AxisLabel> labels(AxisId axis) &&;
    /// The box of a point's mark, standing the arrow length above it.
    QRectF markBox(QPointF point, QSizeF textSize) const;

private:
    double pixelLength(AxisId axis) const;
    double outerTickReach(AxisId axis) const;
    double labelsReach(AxisId axis) const;
    void keepLabels(AxisId axis, const TextMeasure& measure, const std::vector<QRectF>& titles);

    ChartDesign design_;
    QSize size_;
    AxisRange bottom_;
    AxisRange left_;
    QRectF plot_;
    double titleTop_ = 0;
    double labelHeight_ = 0;
    double leftLabelsWidth_ = 0;
    AxisTicks bottomTicks_;
    AxisTicks leftTicks_;
    QRectF titleBox_;
    QRectF bottomTitleBox_;
    QRectF leftTitleBox_;
    std::vector<AxisLabel> bottomLabels_;
    std::vector<AxisLabel> leftLabels_;
};
