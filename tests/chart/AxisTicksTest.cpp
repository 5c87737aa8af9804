// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "AxisTicks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct StepCase {
    const char* name;
    double minimum;
    TickStep expected;
};

class TickStepAtLeast : public testing::TestWithParam<StepCase> {};

TEST_P(TickStepAtLeast, IsTheSmallestRoundStepNotBelow)
{
    EXPECT_EQ(TickStep::atLeast(GetParam().minimum), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, TickStepAtLeast,
    testing::Values(StepCase{"One", 1, {1, 0}},
                    StepCase{"JustAboveOne", 1.01, {2, 0}},
                    StepCase{"ThreeTenths", 0.3, {5, -1}},
                    StepCase{"OneTenthWithRoundingError", 0.1 * 3 / 3, {1, -1}},
                    StepCase{"TwoHundredths", 0.02, {2, -2}},
                    StepCase{"Seven", 7, {1, 1}},
                    StepCase{"FortyOne", 41, {5, 1}},
                    StepCase{"AThousand", 1000, {1, 3}},
                    StepCase{"JustBelowAThousand", 999.9, {1, 3}},
                    StepCase{"OneMillionth", 1e-6, {1, -6}},
                    StepCase{"ThreeMillionths", 3e-6, {5, -6}}),
    [](const auto& info) { return info.param.name; });

TEST(TickStepValue, FractionalStepsAreTheNearestValues)
{
    EXPECT_EQ((TickStep{1, -1}.value()), 0.1);
    EXPECT_EQ((TickStep{2, -3}.value()), 0.002);
    EXPECT_EQ((TickStep{5, -7}.value()), 5e-7);
    EXPECT_EQ((TickStep{2, 2}.value()), 200);
}

TEST(MajorTickValues, CoverTheRangeWithItsEndsAndAnExactZero)
{
    const std::vector<double> whole = majorTickValues(-4, 1, {1, 0});
    EXPECT_EQ(whole, (std::vector<double>{-4, -3, -2, -1, 0, 1}));

    const std::vector<double> tenths = majorTickValues(-2, 2, {2, -1});
    ASSERT_EQ(tenths.size(), 21u);
    EXPECT_DOUBLE_EQ(tenths.front(), -2);
    EXPECT_DOUBLE_EQ(tenths.back(), 2);
    EXPECT_EQ(tenths[10], 0.0);

    EXPECT_EQ(majorTickValues(0.3, 0.7, {1, 0}), std::vector<double>{});
    // Steps far too fine for the range, or for the values' precision, give
    // no ticks rather than an endless count.
    EXPECT_TRUE(majorTickValues(-1e300, 1e300, {1, 0}).empty());
    EXPECT_TRUE(majorTickValues(-1.48, -1.48 + 1e-15, {1, -31}).empty());
    EXPECT_TRUE(minorTickValues(-1.48, -1.48 + 1e-15, {1, -31}, 4).empty());
}

TEST(MinorTickValues, FillEveryGapAndStayInRange)
{
    const std::vector<double> minors = minorTickValues(-4, 1, {1, 0}, 4);
    ASSERT_EQ(minors.size(), 20u);
    EXPECT_DOUBLE_EQ(minors.front(), -3.8);
    EXPECT_DOUBLE_EQ(minors.back(), 0.8);
    for (double v : minors)
        EXPECT_NE(std::round(v), v) << "a minor tick on a major one at " << v;

    // A range not ending on major ticks still gets the minor ticks near its ends.
    const std::vector<double> partial = minorTickValues(-0.5, 0.5, {1, 0}, 4);
    EXPECT_EQ(partial.size(), 4u);
    EXPECT_TRUE(std::all_of(partial.begin(), partial.end(), [](double v) { return v >= -0.5 && v <= 0.5; }));

    EXPECT_TRUE(minorTickValues(-4, 1, {1, 0}, 0).empty());
}

struct LabelCase {
    const char* name;
    double value;
    TickStep step;
    char separator;
    const char* expected;
};

class TickLabel : public testing::TestWithParam<LabelCase> {};

TEST_P(TickLabel, IsAPlainNumber)
{
    const LabelCase& c = GetParam();
    EXPECT_EQ(tickLabel(c.value, c.step, c.separator), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Labels, TickLabel,
    testing::Values(LabelCase{"Whole", -4, {1, 0}, '.', "-4"},
                    LabelCase{"Zero", 0, {1, 0}, '.', "0"},
                    LabelCase{"TenthsWithPoint", -0.5, {5, -1}, '.', "-0.5"},
                    LabelCase{"TenthsWithComma", 1.5, {5, -1}, ',', "1,5"},
                    LabelCase{"WholeOnTenthStep", 1, {2, -1}, '.', "1"},
                    LabelCase{"HundredthsTrimmed", -0.5, {5, -2}, '.', "-0.5"},
                    LabelCase{"ZeroOnTenthStep", 0, {2, -1}, ',', "0"},
                    LabelCase{"NoGroupSeparator", 12000, {1, 3}, ',', "12000"},
                    // As many decimals as the step has below the units, none above them.
                    LabelCase{"FivesRoundToWhole", 14.7, {5, 0}, '.', "15"},
                    LabelCase{"HundredsRoundToWhole", 1200.4, {1, 2}, '.', "1200"},
                    LabelCase{"TenthsKeepOneDecimal", 0.44, {2, -1}, ',', "0,4"},
                    LabelCase{"ThousandthsKeepThreeDecimals", -0.1254, {5, -3}, '.', "-0.125"}),
    [](const auto& info) { return info.param.name; });

struct ChoiceCase {
    const char* name;
    double minimum;
    double maximum;
    double pixelLength;
    double labelExtent;
    TickStep expected;
};

class ChooseAxisTicks : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseAxisTicks, TakesTheSmallestStepWhoseLabelsKeepApart)
{
    const ChoiceCase& c = GetParam();
    const AxisTicks ticks = chooseAxisTicks(c.minimum, c.maximum, c.pixelLength, 4, 10,
                                            [&](const QString&) { return c.labelExtent; }, '.');
    EXPECT_EQ(ticks.step, c.expected);
    EXPECT_EQ(ticks.labels.size(), ticks.majors.size());
    EXPECT_EQ(ticks.minors.size(), (ticks.majors.size() - 1) * 4);
}

INSTANTIATE_TEST_SUITE_P(Choices, ChooseAxisTicks,
    testing::Values(
        // 10 px labels need 11 px from one to the next: 1 per 10 px is too tight.
        ChoiceCase{"TightGoesToTwo", 0, 10, 100, 10, {2, 0}},
        ChoiceCase{"ExactFit", 0, 10, 110, 10, {1, 0}},
        ChoiceCase{"RoomyGoesFractional", -2, 2, 400, 15, {2, -1}},
        ChoiceCase{"CrowdedGoesToFive", 0, 10, 100, 25, {5, 0}}),
    [](const auto& info) { return info.param.name; });

TEST(ChooseAxisTicksEmpty, AnEmptyRangeGivesNoTicks)
{
    const auto extent = [](const QString&) { return 10.0; };
    EXPECT_TRUE(chooseAxisTicks(1, 1, 100, 4, 10, extent, '.').majors.empty());
    EXPECT_TRUE(chooseAxisTicks(0, 1, 0, 4, 10, extent, '.').majors.empty());
}

} // namespace
