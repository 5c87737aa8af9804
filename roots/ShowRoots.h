// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootPoint.h"
#include "RootTable.h"

/// Empties `series`, then adds one green point per table row whose two cells
/// are both non-empty, labelled "p" and the row number, with x the real and y
/// the imaginary part. Rows are read in order; the first cell that does not
/// convert stops the command with EConvertError, leaving the points of the
/// rows before it in the series.
void showRoots(const RootCells& table, RootSeries& series, char decimalSeparator);

inline constexpr TColor kRootColor = clGreen;
