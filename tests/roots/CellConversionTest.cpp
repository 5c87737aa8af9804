// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellConversion.h"
#include "Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Accepted {
    const char* name;
    std::string text;
    char separator;
    float value;
};

void PrintTo(const Accepted& c, std::ostream* os) { *os << c.name; }

class ConversionAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ConversionAccepts, GivesTheFloatValue)
{
    const Accepted& c = GetParam();
    const float got = cellTextToFloat(c.text, c.separator);
    EXPECT_EQ(got, c.value) << "text '" << c.text << "'";
    EXPECT_EQ(std::signbit(got), std::signbit(c.value)) << "text '" << c.text << "'";
}

const std::string kFortyDigits(40, '9');

INSTANTIATE_TEST_SUITE_P(Table, ConversionAccepts, testing::Values(
    Accepted{"SeparatorAloneIsZero", ",", ',', 0.0f},
    Accepted{"MinusSeparatorIsNegativeZero", "-,", ',', -0.0f},
    Accepted{"TrailingSeparator", "5,", ',', 5.0f},
    Accepted{"LeadingSeparator", ",5", ',', 0.5f},
    Accepted{"NegativeLeadingSeparator", "-,5", ',', -0.5f},
    Accepted{"PlusSign", "+3", ',', 3.0f},
    Accepted{"SpacesAround", "  12,25  ", ',', 12.25f},
    Accepted{"NegativeZero", "-0", ',', -0.0f},
    Accepted{"EmptyExponent", "1e", ',', 1.0f},
    Accepted{"SignedEmptyExponent", "1E-", ',', 1.0f},
    Accepted{"Exponent", "1e3", ',', 1000.0f},
    Accepted{"NegativeExponent", "2,5E-1", ',', 0.25f},
    Accepted{"ExponentOfSeparatorAlone", ",e5", ',', 0.0f},
    Accepted{"ExponentWithLeadingZeros", "1e0000000005", ',', 1e5f},
    Accepted{"ExponentThenSpaces", "1e2 ", ',', 100.0f},
    Accepted{"TooSmallForFloatIsZero", "1e-50", ',', 0.0f},
    Accepted{"SubnormalFloat", "1e-45", ',', std::numeric_limits<float>::denorm_min()},
    Accepted{"TooSmallForExtendedIsZero", "-1e-4999", ',', -0.0f},
    Accepted{"LargestFloat", "3,4028234e38", ',', std::numeric_limits<float>::max()},
    Accepted{"ManyDigits", "0," + std::string(300, '0') + "1e302", ',', 10.0f},
    Accepted{"TinyExponent", "1e-499", ',', 0.0f},
    Accepted{"FourHundredDigitsScaledBack", "1" + std::string(399, '0') + "e-399", ',', 1.0f},
    Accepted{"FourHundredDigitFraction", "0,5" + std::string(398, '0'), ',', 0.5f},
    Accepted{"PointSeparator", "1.5", '.', 1.5f},
    Accepted{"PointSeparatorLeading", "-.5", '.', -0.5f},
    Accepted{"PointSeparatorAlone", ".", '.', 0.0f}
), [](const auto& info) { return std::string(info.param.name); });

TEST(Conversion, RoundsToFloatThroughExtendedPrecision)
{
    // A tenth is plotted where the nearest float lies, not the nearest double.
    EXPECT_EQ(double(cellTextToFloat("0,1", ',')), 0.10000000149011612);
    EXPECT_EQ(double(cellTextToFloat("-0.1", '.')), -0.10000000149011612);
}

struct Rejected {
    const char* name;
    std::string text;
    char separator;
};

void PrintTo(const Rejected& c, std::ostream* os) { *os << c.name; }

class ConversionRejects : public testing::TestWithParam<Rejected> {};

TEST_P(ConversionRejects, ThrowsWithTheWholeText)
{
    const Rejected& c = GetParam();
    try {
        cellTextToFloat(c.text, c.separator);
        FAIL() << "accepted '" << c.text << "'";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), "'" + c.text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ConversionRejects, testing::Values(
    Rejected{"Empty", "", ','},
    Rejected{"OnlySpaces", "   ", ','},
    Rejected{"MinusAlone", "-", ','},
    Rejected{"DoubleMinus", "--1", ','},
    Rejected{"MinusInside", "1-2", ','},
    Rejected{"TwoSeparators", "1,2,3", ','},
    Rejected{"PointUnderCommaSeparator", "1.5", ','},
    Rejected{"CommaUnderPointSeparator", "1,5", '.'},
    Rejected{"LeadingTab", "\t1", ','},
    Rejected{"TrailingTab", "1\t", ','},
    Rejected{"SpaceInside", "1 2", ','},
    Rejected{"ExponentWithoutMantissa", "e5", ','},
    Rejected{"SignsInExponent", "1e+-2", ','},
    Rejected{"ExponentDigitsPastTheLimit", "1e5000", ','},
    Rejected{"TooLargeForFloat", "1e39", ','},
    Rejected{"TooLargeNegative", "-3,5e38", ','},
    Rejected{"FortyDigits", kFortyDigits, ','},
    Rejected{"FourHundredNines", std::string(400, '9'), ','},
    Rejected{"HugeExponent", "1e99999", ','},
    Rejected{"NegativeHugeExponent", "-1e99999", ','},
    Rejected{"TooLargeForExtended", "1e4999", ','},
    Rejected{"Infinity", "inf", ','},
    Rejected{"MinusInfinity", "-Infinity", ','},
    Rejected{"NotANumber", "nan", ','},
    Rejected{"Hexadecimal", "0x10", ','},
    Rejected{"NulInside", std::string("1\0", 2), ','}
), [](const auto& info) { return std::string(info.param.name); });

TEST(Conversion, MessageKeepsSpacesAndCyrillicText)
{
    try {
        cellTextToFloat(" 1 x ", ',');
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "' 1 x ' is not a valid floating point value");
    }
    EXPECT_EQ(notAFloatMessage("корень"), "'корень' is not a valid floating point value");
}

} // namespace
