// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "FakeRootTable.h"

/// The decimal separator the six roots are typed with.
inline constexpr char kSixRootsSeparator = '.';

/// A root table with all six rows filled, as a user would type them: short
/// decimals with signs, one with an exponent, in the '.' locale.
inline FakeRootTable sixRoots()
{
    FakeRootTable table;
    table.row(1, "-1", "1")
        .row(2, "-0.5", "-1.25")
        .row(3, "-3.75", "0")
        .row(4, "0.5", "1.5")
        .row(5, "-2", "-0.75")
        .row(6, "-2.5e0", " 1.8 ");
    return table;
}
