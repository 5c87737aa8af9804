// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "Colors.h"

#include <string>

/// One point of the chart's series: where it lies on the complex plane, the
/// label its mark shows and the colour its marker is stroked in.
struct RootPoint {
    std::string label; ///< UTF-8
    double x = 0;      ///< real part
    double y = 0;      ///< imaginary part
    TColor color = clDefault;

    friend bool operator==(const RootPoint&, const RootPoint&) = default;
};

/// The two operations the show-roots command needs of a point series.
class RootSeries {
public:
    virtual ~RootSeries() = default;
    virtual void clear() = 0;
    virtual void addPoint(const RootPoint& point) = 0;
};
