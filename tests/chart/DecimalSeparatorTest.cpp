// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "AxisTicks.h"
#include "DecimalSeparator.h"
#include "TChart.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool isPlainNumber(const QString& text, char separator)
{
    return std::all_of(text.begin(), text.end(), [&](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'-' || c == QLatin1Char(separator);
    });
}

// Makes `locale` the default, as the user's regional settings would, for
// as long as it lives.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(previous_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale previous_;
};

struct LocaleCase {
    const char* name;
    QLocale locale;
    char separator;
    const char* label; ///< of -3.5 on a step of tenths
};

class UnderLocale : public testing::TestWithParam<LocaleCase> {};

TEST_P(UnderLocale, TheSeparatorIsOneTheTableTakes)
{
    EXPECT_EQ(decimalSeparatorOf(GetParam().locale), GetParam().separator);
    const DefaultLocale user(GetParam().locale);
    EXPECT_EQ(userDecimalSeparator(), GetParam().separator);
}

TEST_P(UnderLocale, LabelsHaveAsciiDigitsAMinusInFrontAndTheTablesSeparator)
{
    const char separator = decimalSeparatorOf(GetParam().locale);
    EXPECT_EQ(tickLabel(-3.5, {5, -1}, separator), QString::fromUtf8(GetParam().label));
    EXPECT_EQ(tickLabel(-12345.25, {5, -2}, separator), QStringLiteral("-12345") + QLatin1Char(separator) + "25")
        << "no group separator";
}

TEST_P(UnderLocale, TheChartsLabelsFollowTheUsersSettings)
{
    const DefaultLocale user(GetParam().locale);
    TChart chart;
    chart.resize(609, 425);
    const ChartGeometry g = chart.chartGeometry();
    for (AxisId axis : {AxisId::Bottom, AxisId::Left}) {
        ASSERT_FALSE(g.labels(axis).empty());
        for (const AxisLabel& label : g.labels(axis))
            EXPECT_TRUE(isPlainNumber(label.text, GetParam().separator)) << label.text.toStdString();
    }
    const std::vector<QString>& labels = g.ticks(AxisId::Bottom).labels;
    const QString half = QStringLiteral("-0") + QLatin1Char(GetParam().separator) + "5";
    EXPECT_NE(std::find(labels.begin(), labels.end(), half), labels.end()) << "a step of halves at the design size";
}

TEST(UnderLocaleChange, TheChartRelabelsItsAxes)
{
    const DefaultLocale before(QLocale(QLocale::English, QLocale::UnitedStates));
    TChart chart;
    chart.resize(609, 425);
    chart.undoZoom(); // laid out now, with the point
    const DefaultLocale after(QLocale(QLocale::German, QLocale::Germany));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&chart, &change);
    for (const AxisLabel& label : chart.chartGeometry().labels(AxisId::Left))
        EXPECT_FALSE(label.text.contains(u'.')) << label.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, UnderLocale,
    testing::Values(LocaleCase{"RussianRussia", QLocale(QLocale::Russian, QLocale::Russia), ',', "-3,5"},
                    LocaleCase{"GermanGermany", QLocale(QLocale::German, QLocale::Germany), ',', "-3,5"},
                    LocaleCase{"EnglishUnitedStates", QLocale(QLocale::English, QLocale::UnitedStates), '.', "-3.5"},
                    LocaleCase{"ArabicEgypt", QLocale(QLocale::Arabic, QLocale::Egypt), '.', "-3.5"},
                    LocaleCase{"PersianIran", QLocale(QLocale::Persian, QLocale::Iran), '.', "-3.5"}),
    [](const auto& info) { return info.param.name; });

} // namespace
