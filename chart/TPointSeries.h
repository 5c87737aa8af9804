// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootPoint.h"

#include <QObject>

#include <vector>

/// The chart's point series: points kept sorted by x, each with its label
/// and colour.
class TPointSeries : public QObject, public RootSeries {
    Q_OBJECT
public:
    explicit TPointSeries(QObject* parent = nullptr);

    /// Removes every point.
    void clear() override;
    /// Inserts the point after every point whose x is less than or equal to
    /// its own, so points with equal x keep the order they were added in.
    void addPoint(const RootPoint& point) override;
    const std::vector<RootPoint>& points() const;

signals:
    /// After every change of the points.
    void changed();

private:
    std::vector<RootPoint> points_;
};
