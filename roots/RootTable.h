// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <string_view>

/// Shape of the table the roots are typed into: column 0 holds real parts,
/// column 1 imaginary parts; row 0 is a fixed header, rows 1 to 6 are roots.
namespace RootTable {

inline constexpr int kColumnCount = 2;
inline constexpr int kRowCount = 7;
inline constexpr int kFixedRows = 1;
inline constexpr int kRealColumn = 0;
inline constexpr int kImaginaryColumn = 1;
inline constexpr int kFirstRootRow = 1;
inline constexpr int kLastRootRow = kRowCount - 1;

inline constexpr std::string_view kRealHeader = "+1";
inline constexpr std::string_view kImaginaryHeader = "+i";

/// Row 2 is one pixel lower than the others; the window was designed so.
inline constexpr std::array<int, kRowCount> kRowHeights = {24, 24, 23, 24, 24, 24, 24};
inline constexpr int kColumnWidth = 64;

/// The cell that is current when the window opens.
inline constexpr int kStartColumn = 0;
inline constexpr int kStartRow = 1;

} // namespace RootTable

/// Read access to the table's cell texts, by (column, row).
class RootCells {
public:
    virtual ~RootCells() = default;
    /// UTF-8 text of the cell.
    virtual std::string cellText(int column, int row) const = 0;
};
