// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

/// Converts the text of one cell to a number: spaces (only the space
/// character) around it, an optional sign, digits with at most one decimal
/// separator (digits on either side may be missing, not both), and an
/// optional exponent 'e' or 'E' with optional sign and digits (possibly none).
/// The value is rounded correctly in extended precision, then to float.
/// Throws EConvertError when the text is not of that form or its value does
/// not fit in a float; a value too small for a float becomes zero.
float cellTextToFloat(std::string_view text, char decimalSeparator);

/// The message of the error cellTextToFloat throws for `text`.
std::string notAFloatMessage(std::string_view text);
