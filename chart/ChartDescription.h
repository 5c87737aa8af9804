// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootPoint.h"

#include <string>
#include <string_view>
#include <vector>

/// One axis as the chart's description names it: its title and the values
/// it shows now.
struct DescribedAxis {
    std::string_view title; ///< UTF-8
    double minimum = 0;
    double maximum = 1;
};

/// `value` written to be read aloud: the shortest digits that give the value
/// back (as a float when it is one, which every root is), a true minus sign
/// (U+2212) and `separator` between the whole and the fractional part.
/// A positive `significantDigits` rounds to that many digits instead, for
/// the ends of a zoomed range.
std::string spokenNumber(double value, char separator, int significantDigits = 0);

/// Whether (x, y) lies within both axes' ranges, ends included, as the chart
/// draws its points.
bool withinAxes(double x, double y, const DescribedAxis& bottom, const DescribedAxis& left);

/// A root as a screen reader names it, e.g. "p1: −1; 1"; a root outside the
/// axes' ranges is said to be outside.
std::string describeRoot(const RootPoint& point, const DescribedAxis& bottom, const DescribedAxis& left,
                         char separator);

/// What the chart shows, in words: both axes with their titles and ranges,
/// then every root in the series' order.
std::string describeChart(const DescribedAxis& bottom, const DescribedAxis& left,
                          const std::vector<RootPoint>& points, char separator);
