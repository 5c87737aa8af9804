// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

class QLocale;

/// The decimal separator numbers are typed, converted and labelled with under
/// `locale`: ',' where the locale writes decimals with a comma, '.' everywhere
/// else. Numbers always use ASCII digits, so a locale with a separator of its
/// own (Arabic, Persian, ...) gets the point, which the table can take.
char decimalSeparatorOf(const QLocale& locale);

/// The decimal separator of the user's regional settings: that of the default
/// locale, which is the system's unless the program sets another. The key
/// filter, the conversion of cells and the chart's labels all ask here.
char userDecimalSeparator();
