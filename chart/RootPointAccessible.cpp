// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "RootPointAccessible.h"

#include "DecimalSeparator.h"
#include "TChart.h"
#include "TChartAccessible.h"

#include <QWindow>

RootPointAccessible::RootPointAccessible(TChart* chart, RootPoint point)
    : chart_(chart), point_(std::move(point))
{
}

bool RootPointAccessible::isValid() const
{
    return !chart_.isNull();
}

QObject* RootPointAccessible::object() const
{
    return nullptr;
}

QWindow* RootPointAccessible::window() const
{
    return chart_ ? chart_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* RootPointAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(chart_.data());
}

QAccessibleInterface* RootPointAccessible::child(int) const
{
    return nullptr;
}

int RootPointAccessible::childCount() const
{
    return 0;
}

int RootPointAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* RootPointAccessible::childAt(int, int) const
{
    return nullptr;
}

QString RootPointAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !chart_)
        return {};
    return QString::fromStdString(describeRoot(point_, describedAxis(*chart_, AxisId::Bottom),
                                               describedAxis(*chart_, AxisId::Left),
                                               userDecimalSeparator()));
}

void RootPointAccessible::setText(QAccessible::Text, const QString&) {}

QRect RootPointAccessible::rect() const
{
    if (!chart_)
        return {};
    const ChartGeometry geometry = chart_->chartGeometry();
    if (!geometry.contains(point_.x, point_.y))
        return {};
    const int r = chart_->design().series.pointerHalfSize;
    const QPoint centre = geometry.mapToWidget(point_.x, point_.y).toPoint();
    return QRect(chart_->mapToGlobal(centre - QPoint(r, r)), QSize(2 * r + 1, 2 * r + 1));
}

QAccessible::Role RootPointAccessible::role() const
{
    return QAccessible::Graphic;
}

QAccessible::State RootPointAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !chart_ || !chart_->isVisible();
    return state;
}
