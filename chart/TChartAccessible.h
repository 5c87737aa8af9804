// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "ChartDescription.h"
#include "RootChartDesign.h"

#include <QAccessibleWidget>

#include <vector>

class TChart;

/// What assistive technology sees of a TChart: a chart named by its title
/// whose description tells both axes and every plotted root, with one child
/// per root in the series' order. Changes of the series and of the ranges
/// are announced with the usual accessibility events.
///
/// While no assistive technology listens it announces nothing and makes its
/// children only when asked for them.
class TChartAccessible : public QAccessibleWidget {
public:
    explicit TChartAccessible(TChart* chart);
    ~TChartAccessible() override;

    /// Makes Qt build a TChartAccessible for every TChart; calling it again
    /// does nothing.
    static void installFactory();

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    TChart* chart() const;
    void refreshRootChildren() const;
    void createRootChildren() const;
    void dropRootChildren() const;
    void removeRootChildren();
    void seriesChanged();
    void rangesChanged();

    mutable std::vector<QAccessible::Id> roots_;
    mutable bool childrenStale_ = true;
    QMetaObject::Connection seriesConnection_;
    QMetaObject::Connection rangesConnection_;
};

/// `axis` of `chart` as its description names it: title and current range.
DescribedAxis describedAxis(const TChart& chart, AxisId axis);

