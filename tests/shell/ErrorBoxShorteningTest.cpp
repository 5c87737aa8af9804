// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ErrorDisplay.h"

#include <gtest/gtest.h>

namespace {

const QString kEllipsis(QChar(0x2026));
const QString kNotValid = QStringLiteral("' is not a valid floating point value");

struct ShorteningCase {
    const char* name;
    QString message;
    QString shown;
};

void PrintTo(const ShorteningCase& c, std::ostream* os) { *os << c.name; }

class ErrorBoxShortening : public testing::TestWithParam<ShorteningCase> {};

TEST_P(ErrorBoxShortening, ShowsLongQuotesByTheirEnds)
{
    const QString shown = errorBoxText(GetParam().message);
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_TRUE(shown.isValidUtf16()) << "no character is cut in half";
}

// Each long quote is made of a head of one letter and a tail of another, so
// the expected text says exactly how many characters of each end are kept.
INSTANTIATE_TEST_SUITE_P(Table, ErrorBoxShortening, testing::Values(
    ShorteningCase{"ShortQuoteWhole",
        "'1-2" + kNotValid, "'1-2" + kNotValid + "."},
    ShorteningCase{"QuoteOf200Whole",
        "'" + QString(100, 'a') + QString(100, 'z') + kNotValid,
        "'" + QString(100, 'a') + QString(100, 'z') + kNotValid + "."},
    ShorteningCase{"QuoteOf201Shortened",
        "'" + QString(101, 'a') + QString(100, 'z') + kNotValid,
        "'" + QString(100, 'a') + kEllipsis + QString(99, 'z') + kNotValid + "."},
    ShorteningCase{"MegabyteQuoteShortened",
        "'" + QString(1 << 19, 'a') + QString(1 << 19, 'z') + kNotValid,
        "'" + QString(100, 'a') + kEllipsis + QString(99, 'z') + kNotValid + "."},
    ShorteningCase{"ApostrophesInsideTheQuote",
        "''" + QString(150, 'a') + "'" + QString(150, 'z') + "'" + kNotValid,
        "''" + QString(99, 'a') + kEllipsis + QString(98, 'z') + "'" + kNotValid + "."},
    ShorteningCase{"EndingInTheQuoteGetsNoFullStop",
        "'" + QString(300, 'a') + "'", "'" + QString(100, 'a') + kEllipsis + QString(99, 'a') + "'"},
    ShorteningCase{"EndingInSpaceGetsNoFullStop",
        "'" + QString(300, 'a') + "' ", "'" + QString(100, 'a') + kEllipsis + QString(99, 'a') + "' "},
    ShorteningCase{"PairsAtBothCutsKeptWhole",
        "'a" + QString::fromUtf8("😀").repeated(150) + kNotValid,
        "'a" + QString::fromUtf8("😀").repeated(49) + kEllipsis + QString::fromUtf8("😀").repeated(49)
            + kNotValid + "."},
    ShorteningCase{"LongMessageWithoutQuoteWhole",
        QString(300, 'x'), QString(300, 'x') + "."},
    ShorteningCase{"SingleApostropheWhole",
        "can't " + QString(300, 'x'), "can't " + QString(300, 'x') + "."}
), [](const auto& info) { return std::string(info.param.name); });

} // namespace
