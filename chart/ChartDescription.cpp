// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ChartDescription.h"

#include <array>
#include <charconv>

namespace {

constexpr std::string_view kMinusSign = "\u2212";
// Range ends after a zoom are arbitrary; seven digits tell apart the ends of
// the narrowest range the chart allows.
constexpr int kRangeDigits = 7;

std::string axisPhrase(std::string_view side, const DescribedAxis& axis, char separator)
{
    std::string text(side);
    text += ' ';
    text += axis.title;
    text += " от ";
    text += spokenNumber(axis.minimum, separator, kRangeDigits);
    text += " до ";
    text += spokenNumber(axis.maximum, separator, kRangeDigits);
    return text;
}

} // namespace

std::string spokenNumber(double value, char separator, int significantDigits)
{
    std::array<char, 64> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    std::to_chars_result written{};
    const auto asFloat = static_cast<float>(value);
    if (significantDigits > 0)
        written = std::to_chars(first, last, value, std::chars_format::general, significantDigits);
    else if (static_cast<double>(asFloat) == value)
        written = std::to_chars(first, last, asFloat);
    else
        written = std::to_chars(first, last, value);

    std::string text;
    for (const char* c = first; c != written.ptr; ++c) {
        if (*c == '-')
            text += kMinusSign;
        else if (*c == '.')
            text += separator;
        else
            text += *c;
    }
    return text;
}

bool withinAxes(double x, double y, const DescribedAxis& bottom, const DescribedAxis& left)
{
    return x >= bottom.minimum && x <= bottom.maximum && y >= left.minimum && y <= left.maximum;
}

std::string describeRoot(const RootPoint& point, const DescribedAxis& bottom, const DescribedAxis& left,
                         char separator)
{
    // The coordinates are parted by a semicolon: the comma may be the
    // decimal separator.
    std::string text = point.label + ": " + spokenNumber(point.x, separator) + "; "
        + spokenNumber(point.y, separator);
    if (!withinAxes(point.x, point.y, bottom, left))
        text += " (вне видимой области)";
    return text;
}

std::string describeChart(const DescribedAxis& bottom, const DescribedAxis& left,
                          const std::vector<RootPoint>& points, char separator)
{
    std::string text = axisPhrase("По горизонтали", bottom, separator) + "; "
        + axisPhrase("по вертикали", left, separator) + ".";
    if (points.empty())
        return text + " Корней на графике нет.";
    text += " Корней на графике: " + std::to_string(points.size()) + ".";
    for (const RootPoint& point : points)
        text += " " + describeRoot(point, bottom, left, separator) + ".";
    return text;
}
