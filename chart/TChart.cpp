// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TChart.h"

#include "DecimalSeparator.h"
#include "DesignToQt.h"
#include "TChartAccessible.h"
#include "TPointSeries.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
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
    return range.span() < axis.range.span() * kMinZoomFraction;
}

TextMeasure measureOf(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return {metrics.height(), [metrics](const QString& text) { return metrics.horizontalAdvance(text); }};
}

QPen cosmeticPen(TColor color, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(toQColor(color), 0, style);
    pen.setCosmetic(true);
    return pen;
}

// Windows that take neither the mouse nor the keyboard.
bool isPassiveWindow(const QWidget* window)
{
    return window->windowType() == Qt::ToolTip || window->windowType() == Qt::SplashScreen;
}

} // namespace

TChart::TChart(QWidget* parent)
    : QWidget(parent),
      fonts_{toQFont(design_.titleFont), toQFont(design_.labelFont), toQFont(design_.axisTitleFont),
             toQFont(design_.series.markFont)},
      series_(new TPointSeries(this)),
      bottomRange_(design_.bottomAxis.range),
      leftRange_(design_.leftAxis.range),
      rubberBand_(new QRubberBand(QRubberBand::Rectangle, this))
{
    series_->setObjectName(toQString(design_.series.name));
    // The layout does not depend on the points: a change only repaints.
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
    emit rangesChanged();
}

void TChart::undoZoom()
{
    zoomTo(design_.bottomAxis.range, design_.leftAxis.range);
}

ChartGeometry TChart::chartGeometry() const
{
    return layoutIsCurrent() ? *layout_ : layOut();
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

void TChart::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The labels are measured in fonts and written with the separator of the
    // user's regional settings.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        relayout();
}

void TChart::hideEvent(QHideEvent* event)
{
    endDrag();
    QWidget::hideEvent(event);
}

void TChart::mousePressEvent(QMouseEvent* event)
{
    // A press of another button during a drag ends it: that button's action
    // (the context menu, say) takes over the mouse.
    endDrag();
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    beginDrag(event->position().toPoint());
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
    endDrag();
    const QPoint end = event->position().toPoint();
    if (end.x() < dragOrigin_.x() || end.y() < dragOrigin_.y()) {
        undoZoom();
        return;
    }
    if (end.x() - dragOrigin_.x() < kMinZoomDrag || end.y() - dragOrigin_.y() < kMinZoomDrag)
        return;
    const ChartGeometry g = chartGeometry();
    const QRectF area = QRectF(dragOrigin_, end).intersected(g.plotArea());
    if (area.width() < kMinZoomDrag || area.height() < kMinZoomDrag)
        return;
    const QPointF topLeft = g.mapFromWidget(area.topLeft());
    const QPointF bottomRight = g.mapFromWidget(area.bottomRight());
    const AxisRange bottom{topLeft.x(), bottomRight.x()};
    const AxisRange left{bottomRight.y(), topLeft.y()};
    if (narrowerThanZoomAllows(bottom, design_.bottomAxis) || narrowerThanZoomAllows(left, design_.leftAxis))
        return;
    zoomTo(bottom, left);
}

bool TChart::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the application only while a drag lasts. The chart takes
    // no focus, so Escape arrives elsewhere; it ends the drag and goes no
    // further. A window that opens (a menu, a message box) or takes the
    // activation, or a modal one that blocks ours, takes the mouse, and the
    // chart would never see the release.
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            endDrag();
            return true;
        }
        break;
    case QEvent::Show:
        if (watched->isWidgetType()) {
            const auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget != window() && !isPassiveWindow(widget))
                endDrag();
        }
        break;
    case QEvent::WindowDeactivate:
    case QEvent::WindowBlocked:
        if (watched == window())
            endDrag();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TChart::beginDrag(QPoint origin)
{
    dragOrigin_ = origin;
    dragging_ = true;
    rubberBand_->setGeometry(QRect(dragOrigin_, QSize()));
    rubberBand_->show();
    qApp->installEventFilter(this);
}

void TChart::endDrag()
{
    if (!dragging_)
        return;
    dragging_ = false;
    rubberBand_->hide();
    qApp->removeEventFilter(this);
}

ChartGeometry TChart::layOut() const
{
    const ChartTextMetrics metrics{
        .title = measureOf(fonts_.title),
        .labels = measureOf(fonts_.labels),
        .axisTitles = measureOf(fonts_.axisTitles),
    };
    return ChartGeometry(design_, size(), bottomRange_, leftRange_, metrics, userDecimalSeparator());
}

bool TChart::layoutIsCurrent() const
{
    return layout_ && layout_->size() == size();
}

void TChart::relayout()
{
    layout_ = layOut();
    update();
}

void TChart::paint(QPainter& painter) const
{
    // Laid out once for the whole picture. A chart resized while hidden got
    // no resize event, so its layout may be missing or at an old size; it is
    // then made for this picture alone, and painting still changes nothing.
    if (layoutIsCurrent())
        draw(painter, *layout_);
    else
        draw(painter, layOut());
}

void TChart::draw(QPainter& painter, const ChartGeometry& g) const
{
    drawBackground(painter, g);
    drawTitle(painter, g);
    drawAxes(painter, g);
    drawPoints(painter, g);
    drawMarks(painter, g);
}

void TChart::drawBackground(QPainter& painter, const ChartGeometry& g) const
{
    painter.fillRect(rect(), toQColor(design_.color));
    painter.setPen(cosmeticPen(design_.wallFrame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g.plotArea());
}

void TChart::drawTitle(QPainter& painter, const ChartGeometry& g) const
{
    if (g.titleBox().isEmpty())
        return;
    painter.setFont(fonts_.title);
    painter.setPen(toQColor(design_.titleFont.color));
    painter.drawText(g.titleBox(), Qt::AlignCenter, toQString(design_.title));
}

void TChart::drawAxes(QPainter& painter, const ChartGeometry& g) const
{
    painter.setPen(cosmeticPen(design_.gridColor, Qt::DotLine));
    for (AxisId axis : kAxes) {
        for (double value : g.ticks(axis).majors)
            painter.drawLine(g.gridLine(axis, value));
    }
    for (AxisId axis : kAxes)
        drawAxis(painter, g, axis);
}

void TChart::drawAxis(QPainter& painter, const ChartGeometry& g, AxisId axis) const
{
    const AxisDesign& design = design_.axis(axis);
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

    painter.setFont(fonts_.labels);
    painter.setPen(toQColor(design_.labelFont.color));
    const int labelAlignment = axis == AxisId::Bottom ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter;
    for (const AxisLabel& label : g.labels(axis))
        painter.drawText(label.box, labelAlignment, label.text);

    const QRectF box = g.axisTitleBox(axis);
    if (box.isEmpty())
        return;
    const QString title = toQString(design.title);
    painter.setFont(fonts_.axisTitles);
    painter.setPen(toQColor(design_.axisTitleFont.color));
    if (axis == AxisId::Bottom) {
        painter.drawText(box, Qt::AlignCenter, title);
        return;
    }
    // The left axis' box is the turned title's; the text is drawn upright in
    // a box of its own size, then turned about the centre.
    const QSizeF upright = box.size().transposed();
    painter.save();
    painter.translate(box.center());
    painter.rotate(-90);
    painter.drawText(QRectF(QPointF(-upright.width() / 2, -upright.height() / 2), upright), Qt::AlignCenter, title);
    painter.restore();
}

void TChart::drawPoints(QPainter& painter, const ChartGeometry& g) const
{
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

void TChart::drawMarks(QPainter& painter, const ChartGeometry& g) const
{
    const SeriesDesign& s = design_.series;
    painter.setFont(fonts_.marks);
    const TextMeasure measure = measureOf(fonts_.marks);
    for (const RootPoint& point : series_->points()) {
        if (!g.contains(point.x, point.y))
            continue;
        const QString label = toQString(point.label);
        const QPoint c = g.mapToWidget(point.x, point.y).toPoint();
        const QRectF box = g.markBox(c, measure.size(label));
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
