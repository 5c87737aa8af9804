// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootPoint.h"

#include <string>

/// The point the show-roots command plots for table row `row` holding (x, y):
/// labelled after the row, in green.
inline RootPoint plottedRoot(int row, double x, double y)
{
    return {"p" + std::to_string(row), x, y, clGreen};
}
