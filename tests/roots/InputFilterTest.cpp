// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "InputFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KeyCase {
    const char* name;
    char32_t typed;
    char separator;
    char32_t applied; // 0: dropped
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class InputFilter : public testing::TestWithParam<KeyCase> {};

TEST_P(InputFilter, AppliesOrDrops)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(filterKey(c.typed, c.separator), c.applied);
}

INSTANTIATE_TEST_SUITE_P(Table, InputFilter, testing::Values(
    KeyCase{"PointBecomesComma", U'.', ',', U','},
    KeyCase{"CommaStaysComma", U',', ',', U','},
    KeyCase{"CommaBecomesPoint", U',', '.', U'.'},
    KeyCase{"PointStaysPoint", U'.', '.', U'.'},
    KeyCase{"Zero", U'0', ',', U'0'},
    KeyCase{"Nine", U'9', '.', U'9'},
    KeyCase{"Minus", U'-', ',', U'-'},
    KeyCase{"Backspace", 8, ',', 8},
    KeyCase{"Slash", U'/', ',', 0},
    KeyCase{"Colon", U':', ',', 0},
    KeyCase{"Plus", U'+', ',', 0},
    KeyCase{"Space", U' ', ',', 0},
    KeyCase{"LowerE", U'e', ',', 0},
    KeyCase{"UpperE", U'E', ',', 0},
    KeyCase{"LatinLetter", U'a', ',', 0},
    KeyCase{"CyrillicLetter", U'ж', ',', 0},
    KeyCase{"NoBreakSpace", 0xA0, ',', 0},
    KeyCase{"Enter", U'\r', ',', 0},
    KeyCase{"LineFeed", U'\n', ',', 0},
    KeyCase{"Tab", U'\t', ',', 0},
    KeyCase{"Escape", 27, ',', 0},
    KeyCase{"CtrlC", 3, ',', 0},
    KeyCase{"CtrlV", 22, ',', 0},
    KeyCase{"CtrlX", 24, ',', 0},
    KeyCase{"Delete", 127, ',', 0}
), [](const auto& info) { return std::string(info.param.name); });

} // namespace
