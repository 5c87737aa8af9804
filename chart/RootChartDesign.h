// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "Colors.h"

#include <string_view>

/// The two axes the chart draws.
enum class AxisId { Bottom, Left };

/// A font as the window design gives it: family, pixel height and colour.
struct FontDesign {
    std::string_view family;
    int pixelSize = 13;
    TColor color = 0x000000u;
};

/// One axis' settings.
struct AxisDesign {
    double minimum = 0;
    double maximum = 1;
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

/// How the series draws its points and their marks.
struct SeriesDesign {
    std::string_view name;
    TColor seriesColor = clRed;
    int pointerHalfSize = 4;  ///< star arms reach this far from the point
    int markArrowLength = 8;  ///< gap between a point and the bottom of its mark
    int markPadding = 2;      ///< between the mark's text and its frame
    TColor markBackground = rgbColor(255, 255, 128);
    TColor markFrame = 0x000000u;
    TColor markArrow = 0x000000u;
    FontDesign markFont{"Arial", 13, 0x000000u};
};

/// Everything that fixes how a chart looks, apart from its size and points.
struct ChartDesign {
    TColor color = clWhite;
    std::string_view title;  ///< UTF-8
    FontDesign titleFont;
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
    FontDesign labelFont{"Arial", 13, 0x000000u};
    FontDesign axisTitleFont{"Arial", 13, 0x000000u};
    int labelGap = 2;        ///< between the ticks and the labels, and the labels and the title
    AxisDesign bottomAxis;
    AxisDesign leftAxis;
    SeriesDesign series;

    constexpr const AxisDesign& axis(AxisId id) const
    {
        return id == AxisId::Bottom ? bottomAxis : leftAxis;
    }
};

/// The root chart: the complex plane with the real axis from -4 to 1 and the
/// imaginary axis from -2 to 2, crossing at the origin.
inline constexpr ChartDesign kRootChartDesign{
    .color = clWhite,
    .title = "Корни",
    .titleFont = {"Arial", 17, clBlue},
    .bottomAxis = {
        .minimum = -4,
        .maximum = 1,
        .positionPercent = 50,
        .tickLength = 9,
        .tickInnerLength = 0,
        .minorTickCount = 4,
        .minorTickLength = 3,
        .title = "действительная ось",
    },
    .leftAxis = {
        .minimum = -2,
        .maximum = 2,
        .positionPercent = 80,
        .tickInnerLength = 1,
        .minorTickCount = 4,
        .minorTickLength = 5,
        .title = "мнимая ось",
    },
    .series = {
        .name = "Series1",
        .seriesColor = clRed,
        .pointerHalfSize = 4,
        .markArrowLength = 8,
        .markBackground = rgbColor(255, 255, 128),
    },
};
