// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ShowRoots.h"

#include "CellConversion.h"

#include <string>

void showRoots(const RootCells& table, RootSeries& series, char decimalSeparator)
{
    series.clear();
    for (int row = RootTable::kFirstRootRow; row <= RootTable::kLastRootRow; ++row) {
        const std::string re = table.cellText(RootTable::kRealColumn, row);
        const std::string im = table.cellText(RootTable::kImaginaryColumn, row);
        if (re.empty() || im.empty())
            continue;
        // Real part first: when both are bad, the message names the real one.
        const float x = cellTextToFloat(re, decimalSeparator);
        const float y = cellTextToFloat(im, decimalSeparator);
        series.addPoint({"p" + std::to_string(row), x, y, kRootColor});
    }
}
