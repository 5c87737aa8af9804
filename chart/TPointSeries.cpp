// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TPointSeries.h"

#include <algorithm>

TPointSeries::TPointSeries(QObject* parent) : QObject(parent) {}

void TPointSeries::clear()
{
    points_.clear();
    emit changed();
}

void TPointSeries::addPoint(const RootPoint& point)
{
    const auto after = std::upper_bound(points_.begin(), points_.end(), point.x,
                                        [](double x, const RootPoint& p) { return x < p.x; });
    points_.insert(after, point);
    emit changed();
}

const std::vector<RootPoint>& TPointSeries::points() const
{
    return points_;
}
