// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>
#include <vector>

/// A round tick step: mantissa 1, 2 or 5 times ten to the power exponent.
struct TickStep {
    int mantissa = 1;
    int exponent = 0;

    double value() const;
    /// The next larger round step: 1 -> 2 -> 5 -> 10.
    TickStep next() const;
    /// Digits after the decimal separator that labels on this step need.
    int decimals() const;
    /// The smallest round step not below `minimum` (which must be positive).
    static TickStep atLeast(double minimum);

    friend bool operator==(const TickStep&, const TickStep&) = default;
};

/// The ticks and labels of one axis over one range.
struct AxisTicks {
    TickStep step;
    std::vector<double> majors;
    std::vector<double> minors;
    std::vector<QString> labels; ///< one per major tick
};

/// Major tick values on `step` within [minimum, maximum], ascending; none
/// when the range holds more than ten thousand steps.
std::vector<double> majorTickValues(double minimum, double maximum, TickStep step);

/// `count` evenly spaced minor ticks between each two neighbouring majors,
/// continued past the outer majors as far as the range reaches.
std::vector<double> minorTickValues(double minimum, double maximum, TickStep step, int count);

/// A tick value as its label shows it, written the way the table takes
/// numbers: ASCII digits, '-' in front, `separator` between the whole and the
/// fraction, no more digits than the step needs and no trailing zeros.
QString tickLabel(double value, TickStep step, char separator);

/// The pixel extent of a label along its axis.
using LabelExtent = std::function<double(const QString&)>;

/// Ticks for an axis `pixelLength` long showing [minimum, maximum]: the
/// smallest round step on which every label, widened by `separationPercent`
/// of its own extent, fits in the room between neighbouring ticks. The labels
/// are written with `separator`, as tickLabel() writes them.
AxisTicks chooseAxisTicks(double minimum, double maximum, double pixelLength, int minorCount,
                          int separationPercent, const LabelExtent& extent, char separator);
