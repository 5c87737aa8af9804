// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "AxisTicks.h"

#include <algorithm>
#include <cmath>

namespace {

// Tick values come from multiplying whole numbers by the step, so a value is
// only ever a rounding error away from the exact one; this much slack absorbs it.
constexpr double kSlack = 1e-9;

double snapToZero(double value, double step)
{
    return std::abs(value) < step * kSlack ? 0.0 : value;
}

// More ticks than any axis can show. Past it, or where the step is too small
// for the values' precision (whole multiples beyond 2^53 are no longer
// distinct), there is nothing sensible to draw, and counting them could go on
// for ever.
constexpr double kMaxTicks = 10000;

bool withinTickLimit(double first, double last)
{
    return std::isfinite(first) && std::isfinite(last) && last - first < kMaxTicks
        && std::abs(first) < 0x1p53;
}

// Ten to a whole power, exact up to 10^22. Powers of ten are all the chart
// needs, and std::pow and std::log10 would bring in the maths library's
// tables: 230 KiB of resident memory at start-up for nothing else.
double powerOfTen(int exponent)
{
    double power = 1;
    for (int i = 0; i < std::abs(exponent); ++i)
        power *= 10;
    return power;
}

} // namespace

double TickStep::value() const
{
    // Dividing by an exact power gives the nearest value to a fractional
    // step, as multiplying by a rounded tenth would not.
    const double power = powerOfTen(exponent);
    return exponent >= 0 ? mantissa * power : mantissa / power;
}

TickStep TickStep::next() const
{
    switch (mantissa) {
    case 1:
        return {2, exponent};
    case 2:
        return {5, exponent};
    default:
        return {1, exponent + 1};
    }
}

int TickStep::decimals() const
{
    return std::max(0, -exponent);
}

TickStep TickStep::atLeast(double minimum)
{
    TickStep step{1, 0};
    if (!(minimum > 0) || !std::isfinite(minimum))
        return step;
    // The largest power of ten not above the minimum, then up the round steps.
    while (step.value() > minimum)
        --step.exponent;
    while (TickStep{1, step.exponent + 1}.value() <= minimum)
        ++step.exponent;
    while (step.value() < minimum * (1 - kSlack))
        step = step.next();
    return step;
}

std::vector<double> majorTickValues(double minimum, double maximum, TickStep step)
{
    const double s = step.value();
    const double first = std::ceil(minimum / s - kSlack);
    const double last = std::floor(maximum / s + kSlack);
    std::vector<double> values;
    if (!withinTickLimit(first, last))
        return values;
    for (long long n = 0; first + double(n) <= last; ++n)
        values.push_back(snapToZero((first + double(n)) * s, s));
    return values;
}

std::vector<double> minorTickValues(double minimum, double maximum, TickStep step, int count)
{
    std::vector<double> values;
    if (count <= 0)
        return values;
    const double s = step.value();
    const double minorStep = s / (count + 1);
    const double span = (maximum - minimum) * kSlack;
    const double first = std::floor(minimum / s) - 1;
    const double last = std::ceil(maximum / s);
    if (!withinTickLimit(first, last))
        return values;
    for (long long n = 0; first + double(n) <= last; ++n) {
        for (int k = 1; k <= count; ++k) {
            const double v = (first + double(n)) * s + k * minorStep;
            if (v >= minimum - span && v <= maximum + span)
                values.push_back(v);
        }
    }
    return values;
}

QString tickLabel(double value, TickStep step, char separator)
{
    // Formatting without a locale gives ASCII digits, a leading '-', a point
    // and no group separators, whatever the user's regional settings.
    QString text = QString::number(value, 'f', step.decimals());
    // Whole values on a fractional step read "1", not "1.0", and halves "0.5", not "0.50".
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    text.replace(u'.', QLatin1Char(separator));
    return text;
}

AxisTicks chooseAxisTicks(double minimum, double maximum, double pixelLength, int minorCount,
                          int separationPercent, const LabelExtent& extent, char separator)
{
    const double range = maximum - minimum;
    AxisTicks ticks;
    if (!(range > 0) || !(pixelLength > 0) || !std::isfinite(range))
        return ticks;
    // No label is narrower than a couple of pixels, so steps below that are
    // never worth measuring.
    ticks.step = TickStep::atLeast(range / pixelLength * 2);
    const double pixelsPerUnit = pixelLength / range;
    for (;;) {
        ticks.majors = majorTickValues(minimum, maximum, ticks.step);
        ticks.labels.clear();
        // A step is given up at its first label that does not fit, so only
        // the chosen step has all its labels made and measured: measuring
        // text is what a layout spends most of its time on.
        const double room = ticks.step.value() * pixelsPerUnit;
        bool fits = true;
        for (double v : ticks.majors) {
            ticks.labels.push_back(tickLabel(v, ticks.step, separator));
            if (extent(ticks.labels.back()) * (100 + separationPercent) / 100 > room) {
                fits = false;
                break;
            }
        }
        if (ticks.majors.size() <= 1 || fits)
            break;
        ticks.step = ticks.step.next();
    }
    ticks.minors = minorTickValues(minimum, maximum, ticks.step, minorCount);
    return ticks;
}
