// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "DesignFonts.h"

#include <gtest/gtest.h>

namespace {

struct FamiliesCase {
    const char* name;
    QStringList designed;
    QStringList installed;
    QStringList shown;
};

class InstalledFamiliesTest : public testing::TestWithParam<FamiliesCase> {};

TEST_P(InstalledFamiliesTest, NamesOnlyFacesThatCanBeFound)
{
    const FamiliesCase& c = GetParam();
    const auto isInstalled = [&c](const QString& family) {
        return c.installed.contains(family, Qt::CaseInsensitive);
    };
    EXPECT_EQ(installedFamilies(c.designed, isInstalled), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, InstalledFamiliesTest,
    testing::Values(
        FamiliesCase{"ArialWhereInstalled", {"Arial"}, {"Arial", "Liberation Sans"}, {"Arial"}},
        FamiliesCase{"LiberationSansInPlaceOfArial", {"Arial"}, {"Liberation Sans", "DejaVu Sans"}, {"Liberation Sans"}},
        FamiliesCase{"DejaVuSansInPlaceOfMsSansSerif", {"MS Sans Serif"}, {"DejaVu Sans"}, {"DejaVu Sans"}},
        FamiliesCase{"CaseOfTheNameDoesNotMatter", {"arial"}, {"LIBERATION SANS"}, {"Liberation Sans"}},
        FamiliesCase{"EquivalentNamedOnce", {"Arial", "Liberation Sans"}, {"Liberation Sans"}, {"Liberation Sans"}},
        FamiliesCase{"NothingInstalledLeavesTheDesign", {"Arial"}, {"DejaVu Sans"}, {"Arial"}},
        FamiliesCase{"UnknownFamilyKeptWhereInstalled", {"Noto Sans"}, {"Noto Sans"}, {"Noto Sans"}}),
    [](const testing::TestParamInfo<FamiliesCase>& info) { return std::string(info.param.name); });

TEST(DesignFont, CarriesThePixelHeight)
{
    EXPECT_EQ(designFont("Arial", 17).pixelSize(), 17);
}

} // namespace
