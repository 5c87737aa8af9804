// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ChartGeometry.h"

#include "DesignToQt.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

double percentOf(int percent, double extent)
{
    return std::round(percent * extent / 100.0);
}

// Whole pixels are found the way QPointF::toPoint() finds them, so that an
// axis lies on the very pixel its crossing value maps to.
int wholePixel(double coordinate)
{
    return int(std::floor(coordinate + 0.5));
}

// Two parts of an axis count as equally long when they differ by no more
// than the pixel that rounding may add to one of them.
constexpr double kPartTolerance = 1;

} // namespace

ChartGeometry::ChartGeometry(const ChartDesign& design, QSize size, AxisRange bottom,
                             AxisRange left, const ChartTextMetrics& metrics, char decimalSeparator)
    : design_(design), size_(size), bottom_(bottom), left_(left), labelHeight_(metrics.labels.height)
{
    const double w = size.width();
    const double h = size.height();
    const QString title = toQString(design.title);
    titleTop_ = percentOf(design.marginTopPercent, h);
    const double plotLeft = percentOf(design.marginLeftPercent, w);
    const double plotRight = w - percentOf(design.marginRightPercent, w);
    const double titleHeight = title.isEmpty() ? 0 : metrics.title.height;
    const double plotTop = titleTop_ + std::ceil(titleHeight) + design.titleGap;
    const double plotBottom = h - percentOf(design.marginBottomPercent, h);
    plot_ = QRectF(QPointF(plotLeft, plotTop), QPointF(plotRight, plotBottom));

    const auto chooseTicks = [&](AxisId axis, const LabelExtent& extent) {
        const AxisDesign& a = design.axis(axis);
        const AxisRange r = range(axis);
        return chooseAxisTicks(r.minimum, r.maximum, pixelLength(axis), a.minorTickCount,
                               a.labelsSeparationPercent, extent, decimalSeparator);
    };
    bottomTicks_ = chooseTicks(AxisId::Bottom, metrics.labels.width);
    leftTicks_ = chooseTicks(AxisId::Left, [&](const QString&) { return metrics.labels.height; });
    for (const QString& label : leftTicks_.labels)
        leftLabelsWidth_ = std::max(leftLabelsWidth_, metrics.labels.width(label));

    // The titles are placed clear of the labels' rows; a label that would
    // still run into one gives way. A missing title has an empty box, which
    // nothing overlaps.
    if (!title.isEmpty())
        titleBox_ = titleRect(metrics.title.width(title));
    const auto axisTitleBoxOf = [&](AxisId axis) {
        const QString text = toQString(design.axis(axis).title);
        return text.isEmpty() ? QRectF() : axisTitleRect(axis, metrics.axisTitles.size(text));
    };
    bottomTitleBox_ = axisTitleBoxOf(AxisId::Bottom);
    leftTitleBox_ = axisTitleBoxOf(AxisId::Left);
    const std::vector<QRectF> titles{titleBox_, bottomTitleBox_, leftTitleBox_};
    keepLabels(AxisId::Bottom, metrics.labels, titles);
    keepLabels(AxisId::Left, metrics.labels, titles);
}

void ChartGeometry::keepLabels(AxisId axis, const TextMeasure& measure, const std::vector<QRectF>& titles)
{
    const AxisTicks& t = ticks(axis);
    std::vector<AxisLabel>& kept = axis == AxisId::Bottom ? bottomLabels_ : leftLabels_;
    const auto overlapsAny = [](const QRectF& box, const auto& others, auto boxOf) {
        return std::any_of(others.begin(), others.end(), [&](const auto& o) { return box.intersects(boxOf(o)); });
    };
    const auto title = [](const QRectF& box) { return box; };
    const auto label = [](const AxisLabel& l) { return l.box; };
    for (std::size_t i = 0; i < t.majors.size(); ++i) {
        const QRectF box = labelRect(axis, t.majors[i], measure.size(t.labels[i]));
        if (crossedByOtherAxis(axis, box) || overlapsAny(box, titles, title)
            || overlapsAny(box, bottomLabels_, label) || overlapsAny(box, leftLabels_, label))
            continue;
        kept.push_back({t.majors[i], t.labels[i], box});
    }
}

QRectF ChartGeometry::titleRect(double textWidth) const
{
    const double height = plot_.top() - design_.titleGap - titleTop_;
    return QRectF(std::round((size_.width() - textWidth) / 2), titleTop_, textWidth, height);
}

AxisRange ChartGeometry::range(AxisId axis) const
{
    return axis == AxisId::Bottom ? bottom_ : left_;
}

int ChartGeometry::axisPosition(AxisId axis) const
{
    const int percent = design_.axis(axis).positionPercent;
    if (axis == AxisId::Bottom)
        return wholePixel(plot_.bottom() - percent * plot_.height() / 100.0);
    return wholePixel(plot_.left() + percent * plot_.width() / 100.0);
}

QLineF ChartGeometry::axisLine(AxisId axis) const
{
    const double at = axisPosition(axis);
    if (axis == AxisId::Bottom)
        return QLineF(plot_.left(), at, plot_.right(), at);
    return QLineF(at, plot_.top(), at, plot_.bottom());
}

const AxisTicks& ChartGeometry::ticks(AxisId axis) const&
{
    return axis == AxisId::Bottom ? bottomTicks_ : leftTicks_;
}

AxisTicks ChartGeometry::ticks(AxisId axis) &&
{
    return std::move(axis == AxisId::Bottom ? bottomTicks_ : leftTicks_);
}

QPointF ChartGeometry::mapToWidget(double x, double y) const
{
    return QPointF(plot_.left() + (x - bottom_.minimum) / (bottom_.maximum - bottom_.minimum) * plot_.width(),
                   plot_.bottom() - (y - left_.minimum) / (left_.maximum - left_.minimum) * plot_.height());
}

QPointF ChartGeometry::mapFromWidget(QPointF pixel) const
{
    return QPointF(bottom_.minimum + (pixel.x() - plot_.left()) / plot_.width() * (bottom_.maximum - bottom_.minimum),
                   left_.minimum + (plot_.bottom() - pixel.y()) / plot_.height() * (left_.maximum - left_.minimum));
}

bool ChartGeometry::contains(double x, double y) const
{
    return x >= bottom_.minimum && x <= bottom_.maximum && y >= left_.minimum && y <= left_.maximum;
}

QPointF ChartGeometry::axisPoint(AxisId axis, double value, double outward) const
{
    const double at = axisPosition(axis);
    if (axis == AxisId::Bottom)
        return QPointF(mapToWidget(value, 0).x(), at + outward);
    return QPointF(at - outward, mapToWidget(0, value).y());
}

QLineF ChartGeometry::gridLine(AxisId axis, double value) const
{
    const double at = axisPosition(axis);
    if (axis == AxisId::Bottom)
        return QLineF(axisPoint(axis, value, plot_.bottom() - at), axisPoint(axis, value, plot_.top() - at));
    return QLineF(axisPoint(axis, value, at - plot_.left()), axisPoint(axis, value, at - plot_.right()));
}

QRectF ChartGeometry::labelRect(AxisId axis, double value, QSizeF textSize) const
{
    const QPointF anchor = axisPoint(axis, value, outerTickReach(axis) + design_.labelGap);
    if (axis == AxisId::Bottom)
        return QRectF(QPointF(std::round(anchor.x() - textSize.width() / 2), anchor.y()), textSize);
    return QRectF(QPointF(anchor.x() - textSize.width(), std::round(anchor.y() - textSize.height() / 2)), textSize);
}

bool ChartGeometry::crossedByOtherAxis(AxisId axis, const QRectF& labelBox) const
{
    if (axis == AxisId::Bottom) {
        const double x = axisPosition(AxisId::Left);
        return labelBox.left() <= x && x <= labelBox.right();
    }
    const double y = axisPosition(AxisId::Bottom);
    return labelBox.top() <= y && y <= labelBox.bottom();
}

QRectF ChartGeometry::axisTitleRect(AxisId axis, QSizeF textSize) const
{
    // The other axis cuts this one in two; the title is centred on the longer
    // part (the upper or right one when they are equal), so that it stays
    // clear of the other axis and its labels.
    const double reach = labelsReach(axis) + design_.labelGap;
    if (axis == AxisId::Bottom) {
        const double cross = axisPosition(AxisId::Left);
        const double centre = cross - plot_.left() > plot_.right() - cross + kPartTolerance
                                  ? (plot_.left() + cross) / 2
                                  : (cross + plot_.right()) / 2;
        const QPointF anchor(centre, axisPosition(axis) + reach);
        return QRectF(QPointF(std::round(anchor.x() - textSize.width() / 2), anchor.y()), textSize);
    }
    const double cross = axisPosition(AxisId::Bottom);
    const double centre = plot_.bottom() - cross > cross - plot_.top()
                              ? (cross + plot_.bottom()) / 2
                              : (plot_.top() + cross) / 2;
    const QSizeF turned(textSize.height(), textSize.width());
    const QPointF anchor(axisPosition(axis) - reach, centre);
    return QRectF(QPointF(anchor.x() - turned.width(), std::round(anchor.y() - turned.height() / 2)), turned);
}

QRectF ChartGeometry::axisTitleBox(AxisId axis) const
{
    return axis == AxisId::Bottom ? bottomTitleBox_ : leftTitleBox_;
}

const std::vector<AxisLabel>& ChartGeometry::labels(AxisId axis) const&
{
    return axis == AxisId::Bottom ? bottomLabels_ : leftLabels_;
}

std::vector<AxisLabel> ChartGeometry::labels(AxisId axis) &&
{
    return std::move(axis == AxisId::Bottom ? bottomLabels_ : leftLabels_);
}

QRectF ChartGeometry::markBox(QPointF point, QSizeF textSize) const
{
    const SeriesDesign& s = design_.series;
    const QSizeF box(std::ceil(textSize.width()) + 2 * s.markPadding,
                     std::ceil(textSize.height()) + 2 * s.markPadding);
    const double bottom = std::round(point.y()) - s.markArrowLength;
    return QRectF(QPointF(std::round(point.x() - box.width() / 2), bottom - box.height()), box);
}

double ChartGeometry::pixelLength(AxisId axis) const
{
    return axis == AxisId::Bottom ? plot_.width() : plot_.height();
}

double ChartGeometry::outerTickReach(AxisId axis) const
{
    const AxisDesign& a = design_.axis(axis);
    return std::max(a.tickLength, a.minorTickCount > 0 ? a.minorTickLength : 0);
}

double ChartGeometry::labelsReach(AxisId axis) const
{
    const double labels = axis == AxisId::Bottom ? labelHeight_ : leftLabelsWidth_;
    return outerTickReach(axis) + design_.labelGap + labels;
}
