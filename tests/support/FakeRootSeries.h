// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootPoint.h"

#include <vector>

/// A series that only keeps its points, in the order they were added.
class FakeRootSeries : public RootSeries {
public:
    void clear() override { points.clear(); }
    void addPoint(const RootPoint& point) override { points.push_back(point); }

    std::vector<RootPoint> points;
};
