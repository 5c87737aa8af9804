// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TChartAccessible.h"

#include "DecimalSeparator.h"
#include "DesignToQt.h"
#include "RootPointAccessible.h"
#include "TChart.h"
#include "TPointSeries.h"

namespace {

QAccessibleInterface* chartFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("TChart"))
        return nullptr;
    auto* chart = qobject_cast<TChart*>(object);
    return chart ? new TChartAccessible(chart) : nullptr;
}

void announce(QAccessibleInterface* iface, QAccessible::Event event)
{
    QAccessibleEvent change(iface, event);
    QAccessible::updateAccessibility(&change);
}

} // namespace

DescribedAxis describedAxis(const TChart& chart, AxisId axis)
{
    const AxisRange range = chart.range(axis);
    return {chart.design().axis(axis).title, range.minimum, range.maximum};
}

TChartAccessible::TChartAccessible(TChart* chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{
    seriesConnection_ = QObject::connect(chart->series(), &TPointSeries::changed,
                                         [this] { seriesChanged(); });
    rangesConnection_ = QObject::connect(chart, &TChart::rangesChanged, [this] { rangesChanged(); });
}

TChartAccessible::~TChartAccessible()
{
    QObject::disconnect(seriesConnection_);
    QObject::disconnect(rangesConnection_);
    for (QAccessible::Id id : roots_)
        QAccessible::deleteAccessibleInterface(id);
}

void TChartAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(chartFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

TChart* TChartAccessible::chart() const
{
    return static_cast<TChart*>(widget());
}

QString TChartAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return toQString(chart()->design().title);
    case QAccessible::Description:
        return QString::fromStdString(describeChart(describedAxis(*chart(), AxisId::Bottom),
                                                    describedAxis(*chart(), AxisId::Left),
                                                    chart()->series()->points(),
                                                    userDecimalSeparator()));
    default:
        return QAccessibleWidget::text(t);
    }
}

int TChartAccessible::childCount() const
{
    refreshRootChildren();
    return static_cast<int>(roots_.size());
}

QAccessibleInterface* TChartAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return QAccessible::accessibleInterface(roots_[static_cast<std::size_t>(index)]);
}

int TChartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    refreshRootChildren();
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        if (QAccessible::accessibleInterface(roots_[i]) == child)
            return static_cast<int>(i);
    }
    return -1;
}

void TChartAccessible::refreshRootChildren() const
{
    if (!childrenStale_)
        return;
    dropRootChildren();
    createRootChildren();
}

void TChartAccessible::dropRootChildren() const
{
    childrenStale_ = false;
    for (QAccessible::Id id : roots_)
        QAccessible::deleteAccessibleInterface(id);
    roots_.clear();
}

void TChartAccessible::createRootChildren() const
{
    // The cache owns the children and gives each the id that assistive
    // technology knows it by.
    for (const RootPoint& point : chart()->series()->points())
        roots_.push_back(QAccessible::registerAccessibleInterface(new RootPointAccessible(chart(), point)));
}

void TChartAccessible::removeRootChildren()
{
    // Each child is announced gone while it can still be asked its name.
    for (QAccessible::Id id : roots_) {
        announce(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
        QAccessible::deleteAccessibleInterface(id);
    }
    roots_.clear();
}

void TChartAccessible::seriesChanged()
{
    // Qt makes this interface for every shown chart, listened to or not;
    // with no one listening the children are only made when asked for.
    if (!QAccessible::isActive()) {
        childrenStale_ = true;
        return;
    }
    // Points are inserted in x order, so any of them may have moved: every
    // child is made anew.
    if (childrenStale_)
        dropRootChildren();
    else
        removeRootChildren();
    createRootChildren();
    for (QAccessible::Id id : roots_)
        announce(QAccessible::accessibleInterface(id), QAccessible::ObjectCreated);
    announce(this, QAccessible::DescriptionChanged);
}

void TChartAccessible::rangesChanged()
{
    if (!QAccessible::isActive())
        return;
    refreshRootChildren();
    // A zoom moves roots in or out of view, which their names tell.
    for (QAccessible::Id id : roots_)
        announce(QAccessible::accessibleInterface(id), QAccessible::NameChanged);
    announce(this, QAccessible::DescriptionChanged);
}
