// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "InputFilter.h"

char32_t filterKey(char32_t key, char decimalSeparator)
{
    if (key == U'.' || key == U',')
        key = char32_t(decimalSeparator);
    const bool digit = key >= U'0' && key <= U'9';
    if (digit || key == char32_t(decimalSeparator) || key == U'-' || key == kBackspace)
        return key;
    return 0;
}
