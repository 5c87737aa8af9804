// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootTable.h"

#include <array>
#include <string>

/// A root table held in memory, for driving the show-roots command without a
/// window. It counts the reads of each row, and reading a cell outside the
/// root rows throws std::out_of_range: the command has no business there.
class FakeRootTable : public RootCells {
public:
    /// Fills row `row` (1 to 6) with its real and imaginary part.
    FakeRootTable& row(int row, std::string re, std::string im);
    void setCell(int column, int row, std::string text);

    std::string cellText(int column, int row) const override;
    /// How often the cells of row `row` were read.
    int reads(int row) const;

private:
    static constexpr int kRootRows = RootTable::kLastRootRow - RootTable::kFirstRootRow + 1;

    std::string& cell(int column, int row);

    std::array<std::array<std::string, RootTable::kColumnCount>, kRootRows> cells_;
    mutable std::array<int, kRootRows> reads_{};
};
