// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

/// The character the table lets through for a typed character `key`, or 0
/// when the keystroke is to be dropped. Both '.' and ',' become the user's
/// decimal separator; digits, the separator, '-' and Backspace pass; anything
/// else (letters, spaces, '+', Enter, Tab, control characters, anything
/// outside ASCII) is dropped. The filter sees one character only, so '-' and
/// the separator pass anywhere and any number of times.
char32_t filterKey(char32_t key, char decimalSeparator);

inline constexpr char32_t kBackspace = 8;
