// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "ChartDesign.h"

/// The root chart: the complex plane with the real axis from -4 to 1 and the
/// imaginary axis from -2 to 2, crossing at the origin. Only what differs
/// from an unconfigured chart is named.
inline constexpr ChartDesign kRootChartDesign{
    .color = clWhite,
    .title = "Корни",
    .titleFont = {.pixelSize = 17, .color = clBlue},
    .bottomAxis = {
        .range = {-4, 1},
        .positionPercent = 50,
        .tickLength = 9,
        .minorTickCount = 4,
        .minorTickLength = 3,
        .title = "действительная ось",
    },
    .leftAxis = {
        .range = {-2, 2},
        .positionPercent = 80,
        .tickInnerLength = 1,
        .minorTickCount = 4,
        .minorTickLength = 5,
        .title = "мнимая ось",
    },
    .series = {
        .name = "Series1",
        .seriesColor = clRed,
    },
};
