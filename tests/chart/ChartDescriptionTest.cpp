// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ChartDescription.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const DescribedAxis kReal{"действительная ось", -4, 1};
const DescribedAxis kImaginary{"мнимая ось", -2, 2};

struct NumberCase {
    const char* name;
    double value;
    char separator;
    int digits;
    const char* expected;
};

class SpokenNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(SpokenNumber, WritesTheDigitsTheTableHeld)
{
    const NumberCase& c = GetParam();
    EXPECT_EQ(spokenNumber(c.value, c.separator, c.digits), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpokenNumber,
    testing::Values(
        NumberCase{"Whole", 2, ',', 0, "2"},
        NumberCase{"NegativeTakesTheMinusSign", -1, ',', 0, "\u22121"},
        NumberCase{"CommaSeparator", -0.5, ',', 0, "\u22120,5"},
        NumberCase{"PointSeparator", -0.5, '.', 0, "\u22120.5"},
        // 0.1 typed into the table is kept as a float: its double is
        // 0.10000000149..., which must still read as 0,1.
        NumberCase{"FloatReadsAsTyped", static_cast<double>(0.1f), ',', 0, "0,1"},
        NumberCase{"FloatWithManyDigits", static_cast<double>(1.2345678f), '.', 0, "1.2345678"},
        NumberCase{"TinyFloatInExponentForm", static_cast<double>(-2.5e-7f), ',', 0, "\u22122,5e\u221207"},
        NumberCase{"LargestFloat", static_cast<double>(std::numeric_limits<float>::max()), '.', 0,
                   "3.4028235e+38"},
        NumberCase{"DoubleThatIsNoFloat", 1.0 / 3, ',', 0, "0,3333333333333333"},
        NumberCase{"RangeEndRoundedToSevenDigits", -2.00312345678, ',', 7, "\u22122,003123"},
        NumberCase{"RoundedWholeKeepsNoZeros", -4, ',', 7, "\u22124"}),
    [](const testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

TEST(ChartDescription, PointsOnTheEndsOfTheRangesAreWithinThem)
{
    EXPECT_TRUE(withinAxes(1, 2, kReal, kImaginary));
    EXPECT_TRUE(withinAxes(-4, -2, kReal, kImaginary));
    EXPECT_FALSE(withinAxes(1.0001, 0, kReal, kImaginary));
    EXPECT_FALSE(withinAxes(0, -2.0001, kReal, kImaginary));
}

TEST(ChartDescription, NamesARootWithItsLabelAndBothCoordinates)
{
    EXPECT_EQ(describeRoot({"p1", -1, 1}, kReal, kImaginary, ','), "p1: \u22121; 1");
    EXPECT_EQ(describeRoot({"p2", -0.5, 0.25}, kReal, kImaginary, ','), "p2: \u22120,5; 0,25");
    EXPECT_EQ(describeRoot({"p3", 3, 0}, kReal, kImaginary, '.'), "p3: 3; 0 (вне видимой области)");
}

TEST(ChartDescription, TellsTheAxesAndThatNoRootIsPlotted)
{
    EXPECT_EQ(describeChart(kReal, kImaginary, {}, ','),
              "По горизонтали действительная ось от \u22124 до 1; "
              "по вертикали мнимая ось от \u22122 до 2. Корней на графике нет.");
}

TEST(ChartDescription, ListsEveryRootInTheSeriesOrderOutsideOnesToo)
{
    const std::vector<RootPoint> points{{"p2", -3.5, -1}, {"p1", 0.5, 3}, {"p3", 0.5, 0}};
    EXPECT_EQ(describeChart(kReal, kImaginary, points, ','),
              "По горизонтали действительная ось от \u22124 до 1; "
              "по вертикали мнимая ось от \u22122 до 2. Корней на графике: 3. "
              "p2: \u22123,5; \u22121. p1: 0,5; 3 (вне видимой области). p3: 0,5; 0.");
}

} // namespace
