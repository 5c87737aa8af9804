// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TChart.h"

#include "DesignToQt.h"
#include "TChartAccessible.h"
#include "TPointSeries.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace {

// A left-button drag shorter than this either way is taken for a click.
constexpr int kMinZoomDrag = 3;

constexpr AxisId kAxes[] = {AxisId::Bottom, AxisId::Left};

// Zooming in stops at a millionth of the design's span: labels there already
// need seven digits, and much further on the values run out of precision.
constexpr double kMinZoomFraction = 1e-6;

bool narrowerThanZoomAllows(AxisRange range, const AxisDesign& axis)
{
    return range.maximum - range.minimum < (axis.maximum - axis.minimum) * kMinZoomFraction;
}

QSizeF textSize(const QFontMetricsF& metrics, const QString& text)
{
    return QSizeF(metrics.horizontalAdvance(text), metrics.height());
}

QPen cosmeticPen(TColor color, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(toQColor(color), 0, style);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

TChart::TChart(QWidget* parent)
    : QWidget(parent),
      series_(new TPointSeries(this)),
      bottomRange_{design_.bottomAxis.minimum, design_.bottomAxis.maximum},
      leftRange_{design_.leftAxis.minimum, design_.leftAxis.maximum},
      rubberBand_(new QRubberBand(QRubberBand::Rectangle, this))
{
    series_->setObjectName(toQString(design_.series.name));
    connect(series_, &TPointSeries::changed, this, qOverload<>(&QWidget::update));
    TChartAccessible::installFactory();
}

TChart::~TChart() = default;

TPointSeries* TChart::series() const
{
    return series_;
}

QImage TChart::toImage() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

void TChart::copyToClipboard()
{
    clipboard_->setImage(toImage());
}

void TChart::setClipboard(ImageClipboard* clipboard)
{
    clipboard_ = clipboard ? clipboard : &systemClipboard_;
}

AxisRange TChart::range(AxisId axis) const
{
    return axis == AxisId::Bottom ? bottomRange_ : leftRange_;
}

void TChart::zoomTo(AxisRange bottom, AxisRange left)
{
    bottomRange_ = bottom;
    leftRange_ = left;
    relayout();
    update();
    emit rangesChanged();
}

void TChart::undoZoom()
{
    zoomTo({design_.bottomAxis.minimum, design_.bottomAxis.maximum},
           {design_.leftAxis.minimum, design_.leftAxis.maximum});
}

const ChartGeometry& TChart::chartGeometry() const
{
    // A hidden widget is resized without a resize event, so the size is
    // checked here too.
    if (!geometry_ || geometry_->size() != size())
        relayout();
    return *geometry_;
}

void TChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter);
}

void TChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void TChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragOrigin_ = event->position().toPoint();
    dragging_ = true;
    rubberBand_->setGeometry(QRect(dragOrigin_, QSize()));
    rubberBand_->show();
}

void TChart::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    rubberBand_->setGeometry(QRect(dragOrigin_, event->position().toPoint()).normalized());
}

void TChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    rubberBand_->hide();
    const QPoint end = event->position().toPoint();
    if (end.x() < dragOrigin_.x() || end.y() < dragOrigin_.y()) {
        undoZoom();
        return;
    }
    if (end.x() - dragOrigin_.x() < kMinZoomDrag || end.y() - dragOrigin_.y() < kMinZoomDrag)
        return;
    const QRectF area = QRectF(dragOrigin_, end).intersected(chartGeometry().plotArea());
    if (area.width() < kMinZoomDrag || area.height() < kMinZoomDrag)
        return;
    const QPointF topLeft = chartGeometry().mapFromWidget(area.topLeft());
    const QPointF bottomRight = chartGeometry().mapFromWidget(area.bottomRight());
    const AxisRange bottom{topLeft.x(), bottomRight.x()};
    const AxisRange left{bottomRight.y(), topLeft.y()};
    if (narrowerThanZoomAllows(bottom, design_.bottomAxis) || narrowerThanZoomAllows(left, design_.leftAxis))
        return;
    zoomTo(bottom, left);
}

void TChart::relayout() const
{
    const QFontMetricsF title(toQFont(design_.titleFont));
    const QFontMetricsF labels(toQFont(design_.labelFont));
    const ChartTextMetrics metrics{
        .titleHeight = design_.title.empty() ? 0 : title.height(),
        .labelHeight = labels.height(),
        .labelWidth = [labels](const QString& text) { return labels.horizontalAdvance(text); },
    };
    // The default locale is the user's regional settings, as for the
    // window's key filter.
    geometry_.emplace(design_, size(), bottomRange_, leftRange_, metrics, QLocale());
}

void TChart::paint(QPainter& painter) const
{
    drawBackground(painter);
    drawAxes(painter);
    drawPoints(painter);
    drawMarks(painter);
}

void TChart::drawBackground(QPainter& painter) const
{
    painter.fillRect(rect(), toQColor(design_.color));
    painter.setPen(cosmeticPen(design_.wallFrame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(chartGeometry().plotArea());

    const QString title = toQString(design_.title);
    painter.setFont(toQFont(design_.titleFont));
    painter.setPen(toQColor(design_.titleFont.color));
    const QFontMetricsF metrics(painter.font());
    painter.drawText(chartGeometry().titleRect(metrics.horizontalAdvance(title)), Qt::AlignCenter, title);
}

void TChart::drawAxes(QPainter& painter) const
{
    painter.setPen(cosmeticPen(design_.gridColor, Qt::DotLine));
    for (AxisId axis : kAxes) {
        for (double value : chartGeometry().ticks(axis).majors)
            painter.drawLine(chartGeometry().gridLine(axis, value));
    }
    for (AxisId axis : kAxes)
        drawAxis(painter, axis);
}

void TChart::drawAxis(QPainter& painter, AxisId axis) const
{
    const AxisDesign& design = design_.axis(axis);
    const ChartGeometry& g = chartGeometry();
    const AxisTicks& ticks = g.ticks(axis);
    const auto tick = [&](double value, int inner, int outer) {
        painter.drawLine(g.axisPoint(axis, value, -inner).toPoint(), g.axisPoint(axis, value, outer).toPoint());
    };

    painter.setPen(cosmeticPen(design_.axisColor));
    painter.drawLine(g.axisLine(axis));
    for (double value : ticks.majors)
        tick(value, design.tickInnerLength, design.tickLength);
    for (double value : ticks.minors)
        tick(value, 0, design.minorTickLength);

    painter.setFont(toQFont(design_.labelFont));
    painter.setPen(toQColor(design_.labelFont.color));
    const QFontMetricsF labelMetrics(painter.font());
    const int labelAlignment = axis == AxisId::Bottom ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter;
    for (std::size_t i = 0; i < ticks.majors.size(); ++i) {
        const QString& label = ticks.labels[i];
        const QRectF box = g.labelRect(axis, ticks.majors[i], textSize(labelMetrics, label));
        if (!g.crossedByOtherAxis(axis, box))
            painter.drawText(box, labelAlignment, label);
    }

    const QString title = toQString(design.title);
    painter.setFont(toQFont(design_.axisTitleFont));
    painter.setPen(toQColor(design_.axisTitleFont.color));
    const QSizeF titleSize = textSize(QFontMetricsF(painter.font()), title);
    const QRectF box = g.axisTitleRect(axis, titleSize);
    if (axis == AxisId::Bottom) {
        painter.drawText(box, Qt::AlignCenter, title);
        return;
    }
    painter.save();
    painter.translate(box.center());
    painter.rotate(-90);
    painter.drawText(QRectF(QPointF(-titleSize.width() / 2, -titleSize.height() / 2), titleSize), Qt::AlignCenter, title);
    painter.restore();
}

void TChart::drawPoints(QPainter& painter) const
{
    const ChartGeometry& g = chartGeometry();
    const int r = design_.series.pointerHalfSize;
    painter.save();
    painter.setClipRect(g.plotArea().adjusted(0, 0, 1, 1));
    for (const RootPoint& point : series_->points()) {
        if (!g.contains(point.x, point.y))
            continue;
        const TColor color = point.color == clDefault ? design_.series.seriesColor : point.color;
        painter.setPen(cosmeticPen(color));
        const QPoint c = g.mapToWidget(point.x, point.y).toPoint();
        painter.drawLine(c + QPoint(-r, 0), c + QPoint(r, 0));
        painter.drawLine(c + QPoint(0, -r), c + QPoint(0, r));
        painter.drawLine(c + QPoint(-r, -r), c + QPoint(r, r));
        painter.drawLine(c + QPoint(-r, r), c + QPoint(r, -r));
    }
    painter.restore();
}

void TChart::drawMarks(QPainter& painter) const
{
    const ChartGeometry& g = chartGeometry();
    const SeriesDesign& s = design_.series;
    painter.setFont(toQFont(s.markFont));
    const QFontMetricsF metrics(painter.font());
    for (const RootPoint& point : series_->points()) {
        if (!g.contains(point.x, point.y))
            continue;
        const QString label = toQString(point.label);
        const QPoint c = g.mapToWidget(point.x, point.y).toPoint();
        const QRectF box = g.markBox(c, textSize(metrics, label));
        // The arrow starts just above the star so that the marker keeps its shape.
        painter.setPen(cosmeticPen(s.markArrow));
        painter.drawLine(QPointF(c.x(), c.y() - s.pointerHalfSize - 1), QPointF(c.x(), box.bottom()));
        painter.setPen(cosmeticPen(s.markFrame));
        painter.setBrush(toQColor(s.markBackground));
        painter.drawRect(box);
        painter.setPen(toQColor(s.markFont.color));
        painter.drawText(box, Qt::AlignCenter, label);
    }
    painter.setBrush(Qt::NoBrush);
}
