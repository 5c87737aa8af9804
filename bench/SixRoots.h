// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootTable.h"

#include <array>
#include <string>

/// A root table with all six rows filled, as a user would type them: short
/// decimals with signs, one with an exponent, in the '.' locale.
class SixRoots : public RootCells {
public:
    std::string cellText(int column, int row) const override
    {
        if (row < RootTable::kFirstRootRow || row > RootTable::kLastRootRow)
            return {};
        return kCells[row - RootTable::kFirstRootRow][column];
    }

    static constexpr char kSeparator = '.';

private:
    static constexpr int kRoots = RootTable::kLastRootRow - RootTable::kFirstRootRow + 1;
    static inline const std::array<std::array<std::string, RootTable::kColumnCount>, kRoots> kCells = {{
        {"-1", "1"},
        {"-0.5", "-1.25"},
        {"-3.75", "0"},
        {"0.5", "1.5"},
        {"-2", "-0.75"},
        {"-2.5e0", " 1.8 "},
    }};
};
