// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ErrorDisplay.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

const QString kEllipsis(QChar(0x2026));
const QString kNotValid = QStringLiteral("' is not a valid floating point value");
const QChar kZeroWidthSpace(0x200B);

// The quote as the box shows it: each of its lines isolated from the
// sentence around it.
QString isolated(QString shown)
{
    const QString opening = QString(QChar(0x200E)) + QChar(0x2068);
    shown.replace(QLatin1Char('\n'), QChar(0x2069) + QStringLiteral("\n") + opening);
    return opening + shown + QChar(0x2069);
}

// How the box shows a character that cannot be seen: by its code, read left
// to right whatever surrounds it.
QString code(const char* hex)
{
    return QChar(0x2066) + QStringLiteral("<U+%1>").arg(QLatin1String(hex)) + QChar(0x2069);
}

// The quote of the box's text, with its marks of direction left out; empty
// when the text has none.
QString quoteSeen(const QString& shown)
{
    const qsizetype open = shown.indexOf(QChar(0x2068));
    if (open < 0)
        return {};
    return shown.sliced(open, shown.lastIndexOf(QChar(0x2069)) - open)
        .remove(QRegularExpression(QStringLiteral("[\u200E\u2066-\u2069]")));
}

// The box's text without the break opportunities it was given, which are
// checked on their own.
QString withoutBreakOpportunities(QString text)
{
    return text.remove(kZeroWidthSpace);
}

struct ShorteningCase {
    const char* name;
    QString message;
    QString shown; ///< without break opportunities
};

void PrintTo(const ShorteningCase& c, std::ostream* os) { *os << c.name; }

class ErrorBoxShortening : public testing::TestWithParam<ShorteningCase> {};

TEST_P(ErrorBoxShortening, ShowsLongQuotesByTheirEnds)
{
    const QString shown = errorBoxText(GetParam().message);
    EXPECT_EQ(withoutBreakOpportunities(shown), GetParam().shown);
    EXPECT_TRUE(shown.isValidUtf16()) << "no character is cut in half";
    EXPECT_LE(shown.count(QLatin1Char('\n')), kShownQuoteLines - 1);
    // Every stretch of the quote that the box cannot wrap inside is short.
    for (const QString& run : quoteSeen(shown).split(QRegularExpression(QStringLiteral("[ \n\u200B]"))))
        EXPECT_LE(run.size(), kLongestUnbrokenRun) << run.toStdString();
}

// Each long quote is made of a head of one letter and a tail of another, so
// the expected text says exactly how many characters of each end are kept.
INSTANTIATE_TEST_SUITE_P(Table, ErrorBoxShortening, testing::Values(
    ShorteningCase{"ShortQuoteWhole",
        "'1-2" + kNotValid, "'" + isolated("1-2") + kNotValid + "."},
    ShorteningCase{"QuoteOf200Whole",
        "'" + QString(100, 'a') + QString(100, 'z') + kNotValid,
        "'" + isolated(QString(100, 'a') + QString(100, 'z')) + kNotValid + "."},
    ShorteningCase{"QuoteOf201Shortened",
        "'" + QString(101, 'a') + QString(100, 'z') + kNotValid,
        "'" + isolated(QString(100, 'a') + kEllipsis + QString(99, 'z')) + kNotValid + "."},
    ShorteningCase{"MegabyteQuoteShortened",
        "'" + QString(1 << 19, 'a') + QString(1 << 19, 'z') + kNotValid,
        "'" + isolated(QString(100, 'a') + kEllipsis + QString(99, 'z')) + kNotValid + "."},
    ShorteningCase{"ApostrophesInsideTheQuote",
        "''" + QString(150, 'a') + "'" + QString(150, 'z') + "'" + kNotValid,
        "'" + isolated("'" + QString(99, 'a') + kEllipsis + QString(98, 'z') + "'") + kNotValid + "."},
    ShorteningCase{"EndingInTheQuoteGetsNoFullStop",
        "'" + QString(300, 'a') + "'",
        "'" + isolated(QString(100, 'a') + kEllipsis + QString(99, 'a')) + "'"},
    ShorteningCase{"EndingInSpaceGetsNoFullStop",
        "'" + QString(300, 'a') + "' ",
        "'" + isolated(QString(100, 'a') + kEllipsis + QString(99, 'a')) + "' "},
    ShorteningCase{"PairsAtBothCutsKeptWhole",
        "'a" + QString::fromUtf8("😀").repeated(150) + kNotValid,
        "'" + isolated("a" + QString::fromUtf8("😀").repeated(49) + kEllipsis
                       + QString::fromUtf8("😀").repeated(49)) + kNotValid + "."},
    ShorteningCase{"MarksAtBothCutsKeptWithTheirLetter",
        "'" + QString::fromUtf8("e\u0301").repeated(150) + kNotValid,
        "'" + isolated(QString::fromUtf8("e\u0301").repeated(50) + kEllipsis
                       + QString::fromUtf8("e\u0301").repeated(49)) + kNotValid + "."},
    ShorteningCase{"LongMessageWithoutQuoteWhole",
        QString(300, 'x'), QString(300, 'x') + "."},
    ShorteningCase{"SingleApostropheWhole",
        "can't " + QString(300, 'x'), "can't " + QString(300, 'x') + "."},
    ShorteningCase{"NineLinesWhole",
        "'" + QStringList(9, "1").join('\n') + kNotValid,
        "'" + isolated(QStringList(9, "1").join('\n')) + kNotValid + "."},
    ShorteningCase{"TenLinesByTheirEnds",
        "'" + QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}.join('\n') + kNotValid,
        "'" + isolated("1\n2\n3\n4\n5" + kEllipsis + "6\n7\n8\n9\n10") + kNotValid + "."},
    ShorteningCase{"ThousandsOfLinesByTheirEnds",
        "'first\n" + QString("1,5\n").repeated(5000) + "last" + kNotValid,
        "'" + isolated("first\n1,5\n1,5\n1,5\n1,5" + kEllipsis + "1,5\n1,5\n1,5\n1,5\nlast")
            + kNotValid + "."},
    ShorteningCase{"EveryKindOfLineBreakIsOne",
        QString::fromUtf8("'1\r\n2\r3\u20284\u20295\v6\f7\u00858") + kNotValid,
        "'" + isolated("1\n2\n3\n4\n5\n6\n7\n8") + kNotValid + "."},
    ShorteningCase{"RightToLeftQuoteIsolated",
        QString::fromUtf8("'שלום") + kNotValid,
        "'" + isolated(QString::fromUtf8("שלום")) + kNotValid + "."},
    ShorteningCase{"DirectionControlsShownByCode",
        QString::fromUtf8("'\u202E1\u202C\u2066\u200F") + kNotValid,
        "'" + isolated(code("202E") + "1" + code("202C") + code("2066") + code("200F")) + kNotValid + "."},
    ShorteningCase{"SpacesThatAreNotSpacesShownByCode",
        QString::fromUtf8("'1\u00A0000\u2009 0\u3000\t2") + kNotValid,
        "'" + isolated("1" + code("00A0") + "000" + code("2009") + " 0" + code("3000") + code("0009") + "2")
            + kNotValid + "."},
    ShorteningCase{"InvisibleCharactersShownByCode",
        QString::fromUtf8("'\u200B1\u00AD\uFEFF\u2060\u3164\u034F1\uFE0F\u2800") + QChar(0)
            + QChar(0xDC00) + QChar(0x1B) + kNotValid,
        "'" + isolated(code("200B") + "1" + code("00AD") + code("FEFF") + code("2060") + code("3164")
                       + code("034F") + "1" + code("FE0F") + code("2800") + code("0000") + code("DC00")
                       + code("001B")) + kNotValid + "."},
    ShorteningCase{"CodesCountTowardsTheLength",
        "'" + QString(300, QChar(0xA0)) + kNotValid,
        "'" + isolated(code("00A0").repeated(12) + kEllipsis + code("00A0").repeated(12))
            + kNotValid + "."}
), [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorBoxShortening, LongRunsGetPlacesToWrapEvenly)
{
    const QString shown = errorBoxText("'" + QString(10000, '9') + kNotValid);
    const QStringList runs = quoteSeen(shown).split(kZeroWidthSpace);
    ASSERT_GE(runs.size(), 2);
    for (const QString& run : runs)
        EXPECT_LE(run.size(), kLongestUnbrokenRun);
    EXPECT_EQ(runs.first().size(), kLongestUnbrokenRun) << "breaks come only where needed";

    const QString spaced = errorBoxText("'" + QString("12345 ").repeated(20) + kNotValid);
    EXPECT_FALSE(spaced.contains(kZeroWidthSpace)) << "text that wraps at its spaces is left alone";
}

// Qt lays a text out in the direction of its first strong character outside
// isolates: a quote opening in Hebrew must not turn the sentence around.
TEST(ErrorBoxShortening, SentenceKeepsItsDirectionAroundARightToLeftQuote)
{
    const QString message = QString::fromUtf8("'שלום") + kNotValid;
    ASSERT_TRUE(message.isRightToLeft()) << "the fault this guards against";
    EXPECT_FALSE(errorBoxText(message).isRightToLeft());

    // Each line is a paragraph of its own, laid out in its own direction,
    // also where the label lays its text out as a document.
    const QString lines = QString::fromUtf8("'שלום\nעולם\n") + QChar(0xA0) + kNotValid;
    for (const QString& line : errorBoxText(lines).split(QLatin1Char('\n')))
        EXPECT_FALSE(line.isRightToLeft()) << line.toStdString();
    const QTextDocument document(errorBoxText(lines));
    ASSERT_EQ(document.blockCount(), 3);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        EXPECT_EQ(block.textDirection(), Qt::LeftToRight) << block.text().toStdString();
}

TEST(ErrorBoxShortening, HeapOfMarksStillShowsBothEnds)
{
    const QString quote = "1" + QString(1 << 20, QChar(0x0301)) + "2";
    const QString shown = errorBoxText("'" + quote + kNotValid);
    EXPECT_TRUE(shown.startsWith("'" + isolated("1").chopped(1)));
    EXPECT_TRUE(shown.endsWith("2" + isolated("").right(1) + kNotValid + "."));
    EXPECT_TRUE(shown.contains(kEllipsis));
    EXPECT_LE(withoutBreakOpportunities(shown).size(), kShownQuoteLength + 3 + kNotValid.size() + 1);
}

} // namespace
