// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// Whatever reaches a cell, the cell shows it and keeps it whole, and a click
// on the button ends in either a plotted point or the one error box naming
// the cell's text; the table stays as it was and the window goes on working.
// How each text converts is settled by the conversion's own tests; these
// rows hold what only the window meets: sizes, encodings, NUL, control
// characters and markup.

#include "CellEditorDelegate.h"
#include "ErrorDisplay.h"
#include "Maincode.h"
#include "PlottedRoot.h"
#include "TPointSeries.h"

#include "WindowDriver.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

constexpr qsizetype kMebibyte = qsizetype(1) << 20;
constexpr int kHostileRow = 2;
const QString kNotValid = QStringLiteral("' is not a valid floating point value.");

struct HostileCell {
    const char* name;
    QString text;
    std::optional<double> plotted; ///< the value it converts to; none if rejected
};

void PrintTo(const HostileCell& c, std::ostream* os) { *os << c.name; }

std::vector<RootPoint> byLabel(std::vector<RootPoint> points)
{
    std::sort(points.begin(), points.end(),
              [](const RootPoint& a, const RootPoint& b) { return a.label < b.label; });
    return points;
}

// The box shows the conversion message for the cell's whole text, in the
// form the error box gives every quote (a long one by its two ends only).
void expectBoxNames(const QString& boxText, const QString& cellText)
{
    EXPECT_EQ(boxText, errorBoxText("'" + cellText + kNotValid.chopped(1)));
    if (cellText.size() > 200) {
        EXPECT_TRUE(boxText.contains(QChar(0x2026)));
    }
}

// A cell shows its text on one line, control characters as spaces, and of a
// text longer than a cell could ever show, the start and an ellipsis.
void expectShown(TMainForm& form, int column, int row, const QString& text)
{
    QString expected = text.left(CellEditorDelegate::kShownCharacters);
    std::replace_if(expected.begin(), expected.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }, QChar(u' '));
    if (text.size() > CellEditorDelegate::kShownCharacters)
        expected += QChar(0x2026);
    const QString shown = shownCellText(form, column, row);
    EXPECT_TRUE(shown == expected) << "shows '" << shown.left(300).toStdString() << "'";
}

// Clicks the button with a valid row on either side of the hostile cell and
// checks what the chart, the box and the table show afterwards.
void expectPlottedOrOneBox(TMainForm& form, int hostileColumn, const QString& text,
                           std::optional<double> plotted)
{
    TStringGrid* grid = form.StringGrid1;
    grid->setCell(0, 1, "-1");
    grid->setCell(1, 1, "1");
    grid->setCell(hostileColumn, kHostileRow, text);
    grid->setCell(1 - hostileColumn, kHostileRow, "1");
    grid->setCell(0, 3, "0,5");
    grid->setCell(1, 3, "-0,5");
    const QStringList table = rootCellTexts(form);
    expectShown(form, hostileColumn, kHostileRow, text);

    const ErrorBoxes boxes = closingErrorBoxes([&] { form.Button1Click(); });

    std::vector<RootPoint> expected{plottedRoot(1, -1, 1)};
    if (plotted) {
        EXPECT_EQ(boxes.count, 0) << boxes.text.left(300).toStdString();
        expected.push_back(hostileColumn == 0 ? plottedRoot(2, *plotted, 1) : plottedRoot(2, 1, *plotted));
        expected.push_back(plottedRoot(3, 0.5, -0.5));
    } else {
        EXPECT_EQ(boxes.count, 1);
        EXPECT_EQ(boxes.title, "Roots");
        EXPECT_TRUE(boxes.critical);
        EXPECT_TRUE(boxes.plainText);
        EXPECT_TRUE(boxes.fitsScreen);
        expectBoxNames(boxes.text, text);
    }
    EXPECT_EQ(byLabel(form.Series1->points()), byLabel(expected));
    EXPECT_TRUE(rootCellTexts(form) == table) << "the table is left as it was";
}

// A plain table afterwards plots as on a fresh start.
void expectStillUsable(TMainForm& form)
{
    for (int row = 1; row < RootTable::kRowCount; ++row) {
        form.StringGrid1->setCell(0, row, QString());
        form.StringGrid1->setCell(1, row, QString());
    }
    form.StringGrid1->setCell(0, 4, "-2");
    form.StringGrid1->setCell(1, 4, "0,25");
    const ErrorBoxes none = closingErrorBoxes([&] { form.Button1Click(); });
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(form.Series1->points(), std::vector<RootPoint>{plottedRoot(4, -2, 0.25)});
}

class PastedCell : public testing::TestWithParam<HostileCell> {};

TEST_P(PastedCell, PlotsOrShowsOneBoxAndLeavesTheTable)
{
    const HostileCell& c = GetParam();
    auto form = openMainForm(',');
    for (int column : {0, 1}) {
        SCOPED_TRACE(column == 0 ? "real part" : "imaginary part");
        expectPlottedOrOneBox(*form, column, c.text, c.plotted);
    }
    expectStillUsable(*form);
}

QString repeatedTo(qsizetype length, const QString& piece)
{
    return piece.repeated(length / piece.size() + 1).left(length);
}

INSTANTIATE_TEST_SUITE_P(Table, PastedCell, testing::Values(
    HostileCell{"MebibyteOfDigits", QString(kMebibyte, '9'), std::nullopt},
    HostileCell{"MebibyteOfSpacesBeforeAValue", QString(kMebibyte, ' ') + "0,5", 0.5},
    HostileCell{"MebibyteLongFraction", "0," + QString(kMebibyte, '0') + "1", 0.0},
    HostileCell{"MinusFortyThousandZerosAndAOne", "-" + QString(40'000, '0') + "1", -1.0},
    HostileCell{"MebibyteOfMixedJunk", repeatedTo(kMebibyte, QString::fromUtf8("1,5\t\xd0\xba e+-<b>")), std::nullopt},
    HostileCell{"NulAfterADigit", QString("1") + QChar(0), std::nullopt},
    HostileCell{"NulAlone", QString(QChar(0)), std::nullopt},
    HostileCell{"InvalidUtf8FromTheClipboard", QString::fromUtf8("\xff\xfe" "1"), std::nullopt},
    HostileCell{"TruncatedUtf8FromTheClipboard", QString::fromUtf8("1\xd0"), std::nullopt},
    HostileCell{"RightToLeftMarkBefore", QString::fromUtf8("\u200F1"), std::nullopt},
    HostileCell{"ArabicIndicDigits", QString::fromUtf8("\u0661\u066B\u0665"), std::nullopt},
    HostileCell{"HebrewLetters", QString::fromUtf8("\u05D0\u05D1"), std::nullopt},
    HostileCell{"CombiningAccentOnADigit", QString::fromUtf8("1\u0301"), std::nullopt},
    HostileCell{"CombiningAccentAlone", QString::fromUtf8("\u0301"), std::nullopt},
    HostileCell{"FullwidthDigit", QString::fromUtf8("\uFF11"), std::nullopt},
    HostileCell{"Emoji", QString::fromUtf8("1\U0001F600"), std::nullopt},
    HostileCell{"TabBeforeADigit", "\t1", std::nullopt},
    HostileCell{"LineBreaks", "1\r\n2", std::nullopt},
    HostileCell{"EscapeSequence", "\x1b[31m1", std::nullopt},
    HostileCell{"BackspaceCharacter", "\b1", std::nullopt},
    HostileCell{"DeleteCharacter", "1\x7f", std::nullopt},
    HostileCell{"Markup", "<b>1</b>", std::nullopt},
    HostileCell{"EntityMarkup", "&lt;1", std::nullopt}
), [](const auto& info) { return std::string(info.param.name); });

struct ClipboardBytes {
    const char* name;
    QByteArray bytes;
    QString cell; ///< what the editor's Paste leaves in the cell
    std::optional<double> plotted;
};

void PrintTo(const ClipboardBytes& c, std::ostream* os) { *os << c.name; }

class PastedIntoEditor : public testing::TestWithParam<ClipboardBytes> {};

// The editor's own Paste bypasses the key filter and reaches the cell whole,
// however long; bytes that are not UTF-8 arrive as replacement characters.
TEST_P(PastedIntoEditor, PlotsOrShowsOneBoxAndLeavesTheTable)
{
    const ClipboardBytes& c = GetParam();
    auto form = openMainForm(',');
    clickCell(*form, 0, kHostileRow);
    pasteIntoCellEditor(*form, c.bytes);
    ASSERT_TRUE(form->StringGrid1->isEditing());
    form->StringGrid1->commitEditor();
    EXPECT_EQ(form->StringGrid1->cell(0, kHostileRow), c.cell);
    expectPlottedOrOneBox(*form, 0, c.cell, c.plotted);
    expectStillUsable(*form);
}

INSTANTIATE_TEST_SUITE_P(Table, PastedIntoEditor, testing::Values(
    ClipboardBytes{"Number", "-2,5", "-2,5", -2.5},
    ClipboardBytes{"InvalidUtf8", "\xff\xfe" "1", QString::fromUtf8("\uFFFD\uFFFD" "1"), std::nullopt},
    ClipboardBytes{"Latin1Minus", "\xad" "1", QString::fromUtf8("\uFFFD" "1"), std::nullopt},
    ClipboardBytes{"OverlongUtf8Digit", "\xc0\xb1", QString::fromUtf8("\uFFFD\uFFFD"), std::nullopt},
    ClipboardBytes{"SpacesAroundANumber", "  1  ", "  1  ", 1.0},
    // Cut at the line edit's default 32,767 characters, this would be '-0'.
    ClipboardBytes{"MinusFortyThousandZerosAndAOne", "-" + QByteArray(40'000, '0') + "1",
                   "-" + QString(40'000, '0') + "1", -1.0},
    ClipboardBytes{"MebibyteOfSpacesBeforeAValue", QByteArray(kMebibyte, ' ') + "0,5",
                   QString(kMebibyte, ' ') + "0,5", 0.5},
    ClipboardBytes{"TabBetweenDigits", "1\t2", "1\t2", std::nullopt},
    ClipboardBytes{"LineBreakBetweenDigits", "1\r\n2", "1\r\n2", std::nullopt}
), [](const auto& info) { return std::string(info.param.name); });

} // namespace
