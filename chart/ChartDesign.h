// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "Colors.h"

#include <string_view>

/// The two axes the chart draws.
enum class AxisId { Bottom, Left };

/// The values an axis shows, from its left or bottom end to the other.
struct AxisRange {
    double minimum = 0;
    double maximum = 1;

    constexpr double span() const { return maximum - minimum; }

    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

/// A font as a design gives it: family, pixel height and colour.
struct FontDesign {
    std::string_view family = "Arial";
    int pixelSize = 13;
    TColor color = 0x000000u;
};

/// One axis' settings. The values given here are those of an axis nobody has
/// configured.
struct AxisDesign {
    AxisRange range{};
    /// How far the axis moves from its usual edge into the plotting area, in
    /// percent of the plotting area's extent across the axis.
    int positionPercent = 0;
    int tickLength = 4;      ///< major ticks, outside
    int tickInnerLength = 0; ///< major ticks, inside
    int minorTickCount = 3;  ///< between neighbouring major ticks
    int minorTickLength = 2; ///< outside
    std::string_view title;  ///< UTF-8
    /// Neighbouring labels keep at least this much of a label's extent free
    /// between them; half a label keeps the scale easy to read, where a
    /// tighter packing would crowd the axis with labels and grid lines.
    int labelsSeparationPercent = 50;
};

/// How a point series draws its points and their marks.
struct SeriesDesign {
    std::string_view name;
    /// The colour of the points added without one of their own.
    TColor seriesColor = clWindowText;
    int pointerHalfSize = 4;  ///< star arms reach this far from the point
    int markArrowLength = 8;  ///< gap between a point and the bottom of its mark
    int markPadding = 2;      ///< between the mark's text and its frame
    TColor markBackground = rgbColor(255, 255, 128);
    TColor markFrame = 0x000000u;
    TColor markArrow = 0x000000u;
    FontDesign markFont{};
};

/// Everything that fixes how a chart looks, apart from its size, its zoom and
/// its points. The values given here are those of a chart nobody has
/// configured; a design names only what differs from them.
struct ChartDesign {
    TColor color = clBtnFace;
    std::string_view title;  ///< UTF-8
    FontDesign titleFont{};
    int titleGap = 8;        ///< between the title and the plotting area
    /// Margins of the panel, in percent of its width (left, right) and height
    /// (top, bottom).
    int marginLeftPercent = 3;
    int marginRightPercent = 3;
    int marginTopPercent = 4;
    int marginBottomPercent = 4;
    TColor wallFrame = rgbColor(128, 128, 128);
    TColor gridColor = rgbColor(192, 192, 192);
    TColor axisColor = 0x000000u;
    FontDesign labelFont{};
    FontDesign axisTitleFont{};
    int labelGap = 2;        ///< between the ticks and the labels, and the labels and the title
    AxisDesign bottomAxis{};
    AxisDesign leftAxis{};
    SeriesDesign series{};

    constexpr const AxisDesign& axis(AxisId id) const
    {
        return id == AxisId::Bottom ? bottomAxis : leftAxis;
    }
};
