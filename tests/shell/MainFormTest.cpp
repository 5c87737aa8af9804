// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Maincode.h"
#include "TChart.h"
#include "TPointSeries.h"

#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(MainForm, OpensAsDesigned)
{
    auto form = openMainForm(',');
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Переходная характеристика"));
    EXPECT_EQ(form->size(), QSize(793, 452));
    EXPECT_EQ(form->Chart->geometry(), QRect(8, 8, 609, 425));
    EXPECT_EQ(form->StaticText1->geometry(), QRect(624, 8, 101, 20));
    EXPECT_EQ(form->StringGrid1->geometry(), QRect(624, 32, 161, 120));
    EXPECT_EQ(form->Button1->geometry(), QRect(624, 408, 161, 25));
    EXPECT_EQ(form->StaticText1->text(), QString::fromUtf8("Введите корни:"));
    EXPECT_TRUE(form->StaticText1->font().italic());
    EXPECT_EQ(form->StaticText1->font().pixelSize(), 13);
    EXPECT_EQ(form->Button1->text(), QString::fromUtf8("Показать корни"));
    EXPECT_EQ(form->N1->text(), QString::fromUtf8("Скопировать в буфер обмена"));

    TStringGrid* grid = form->StringGrid1;
    EXPECT_EQ(grid->cell(0, 0), "+1");
    EXPECT_EQ(grid->cell(1, 0), "+i");
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->rowCount() + 1, 7);
    for (int row = 1; row <= 6; ++row)
        for (int column = 0; column < 2; ++column)
            EXPECT_TRUE(grid->cell(column, row).isEmpty()) << column << "," << row;
    EXPECT_EQ(grid->currentColumn(), 0);
    EXPECT_EQ(grid->currentRow(), 0) << "the first root row is current";
    EXPECT_EQ(grid->rowHeight(1), 23) << "the second root row is one pixel lower";
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_TRUE(form->Series1->points().empty());
}

TEST(MainForm, PlotsTypedRootsEndToEnd)
{
    auto form = openMainForm(',');
    typeText(form.get(), "-1");
    clickCell(*form, 1, 1);
    typeText(form.get(), "1");
    clickCell(*form, 0, 2);
    typeText(form.get(), "-.5");
    // The last cell's editor is still open when the button is clicked.
    const ErrorBoxes boxes = closingErrorBoxes([&] {
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    });
    EXPECT_EQ(boxes.count, 0);
    EXPECT_EQ(form->StringGrid1->cell(0, 2), "-,5");
    const std::vector<RootPoint> expected{{"p1", -1, 1, clGreen}};
    EXPECT_EQ(form->Series1->points(), expected);
}

TEST(MainForm, BadCellShowsTheErrorAndTheWindowStaysUsable)
{
    auto form = openMainForm(',');
    form->StringGrid1->setCell(0, 1, "1-2");
    form->StringGrid1->setCell(1, 1, "1");
    const ErrorBoxes boxes = closingErrorBoxes([&] { form->Button1->click(); });
    EXPECT_EQ(boxes.count, 1);
    EXPECT_EQ(boxes.title, "Roots");
    EXPECT_EQ(boxes.text, QString::fromUtf8("'\u200E\u20681-2\u2069' is not a valid floating point value."));
    EXPECT_TRUE(form->Series1->points().empty());
    EXPECT_EQ(form->StringGrid1->cell(0, 1), "1-2") << "the table is left as it was";

    form->StringGrid1->setCell(0, 1, "2");
    const ErrorBoxes none = closingErrorBoxes([&] { form->Button1->click(); });
    EXPECT_EQ(none.count, 0);
    const std::vector<RootPoint> expected{{"p1", 2, 1, clGreen}};
    EXPECT_EQ(form->Series1->points(), expected);
}

struct EnterKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const EnterKey& k, std::ostream* os) { *os << k.name; }

class EnterOnTheButton : public testing::TestWithParam<EnterKey> {};

TEST_P(EnterOnTheButton, PlotsAsAClickDoes)
{
    auto form = openMainForm(',');
    form->StringGrid1->setCell(0, 1, "-1");
    form->StringGrid1->setCell(1, 1, "1");
    form->Button1->setFocus();
    ASSERT_TRUE(form->Button1->hasFocus());
    const ErrorBoxes boxes = closingErrorBoxes([&] {
        QTest::keyClick(form->Button1, GetParam().key, GetParam().modifiers);
    });
    EXPECT_EQ(boxes.count, 0);
    const std::vector<RootPoint> expected{{"p1", -1, 1, clGreen}};
    EXPECT_EQ(form->Series1->points(), expected);
}

TEST_P(EnterOnTheButton, InTheTablePlotsNothing)
{
    auto form = openMainForm(',');
    form->StringGrid1->setCell(0, 1, "-1");
    form->StringGrid1->setCell(1, 1, "1");
    ASSERT_TRUE(form->StringGrid1->hasFocus());
    QTest::keyClick(form->StringGrid1, GetParam().key, GetParam().modifiers);
    clickCell(*form, 0, 2);
    typeText(form.get(), "2");
    ASSERT_TRUE(form->StringGrid1->isEditing());
    QTest::keyClick(QApplication::focusWidget(), GetParam().key, GetParam().modifiers);
    EXPECT_TRUE(form->Series1->points().empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterOnTheButton, testing::Values(
    EnterKey{"Return", Qt::Key_Return, Qt::NoModifier},
    EnterKey{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier}
), [](const auto& info) { return std::string(info.param.name); });

TEST(MainForm, RightClickMenuCopiesTheChart)
{
    auto form = openMainForm(',');
    const QPoint click(100, 50);
    QContextMenuEvent event(QContextMenuEvent::Mouse, click, form->Chart->mapToGlobal(click));
    QApplication::sendEvent(form->Chart, &event);
    ASSERT_TRUE(form->PopupMenu->isVisible());
    EXPECT_EQ(form->PopupMenu->pos(), form->Chart->mapToGlobal(click)) << "the menu opens at the pointer";
    ASSERT_EQ(form->PopupMenu->actions().size(), 1);

    QGuiApplication::clipboard()->clear();
    form->PopupMenu->actions().first()->trigger();
    form->PopupMenu->close();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.deviceIndependentSize().toSize(), form->Chart->size());
}

} // namespace
