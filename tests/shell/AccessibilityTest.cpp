// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Maincode.h"
#include "TChart.h"
#include "TPointSeries.h"

#include "WindowDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString nameOf(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

TEST(WindowAccessibility, TheTableIsNamedByItsCaptionAndItsHeadersTellTheirColumns)
{
    auto form = openMainForm(',');
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(form->StringGrid1);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Введите корни:"));

    // The caption is the table's label.
    QAccessibleInterface* caption = QAccessible::queryAccessibleInterface(form->StaticText1);
    const auto labelled = caption->relations(QAccessible::Labelled);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled.first().first, table);

    const struct {
        int column;
        QString header;
        QString description;
    } columns[] = {{0, QStringLiteral("+1"), QStringLiteral("Действительная часть корня")},
                   {1, QStringLiteral("+i"), QStringLiteral("Мнимая часть корня")}};
    for (const auto& column : columns) {
        const QList<QAccessibleInterface*> headers =
            table->tableInterface()->cellAt(0, column.column)->tableCellInterface()->columnHeaderCells();
        ASSERT_EQ(headers.size(), 1) << column.column;
        EXPECT_EQ(headers.first()->text(QAccessible::Name), column.header);
        EXPECT_EQ(headers.first()->text(QAccessible::Description), column.description);
        // Qt makes header cells afresh for whoever asks and leaves them to
        // the asker, who hands them to its cache to be deleted.
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(headers.first()));
    }
}

TEST(WindowAccessibility, TheCellEditorTellsWhichCellItEdits)
{
    auto form = openMainForm(',');
    const struct {
        int column;
        int row;
        QString name;
    } cells[] = {{0, 1, QStringLiteral("Строка 1, столбец +1 (действительная часть корня)")},
                 {1, 3, QStringLiteral("Строка 3, столбец +i (мнимая часть корня)")},
                 {1, 6, QStringLiteral("Строка 6, столбец +i (мнимая часть корня)")}};
    for (const auto& cell : cells) {
        form->StringGrid1->setFocus();
        form->StringGrid1->setCurrentGridCell(cell.column, cell.row);
        typeText(form.get(), "5");
        ASSERT_TRUE(form->StringGrid1->isEditing());
        EXPECT_EQ(nameOf(QApplication::focusWidget()), cell.name);
        form->Button1->setFocus();
    }
}

struct MenuKey {
    const char* name;
    int key;
    int modifiers;
};

class ChartMenuKey : public testing::TestWithParam<MenuKey> {
protected:
    void press() { typeKey(form.get(), GetParam().key, QString(), GetParam().modifiers); }

    // The menu is closed by the test, so nothing waits for a person.
    bool menuOpenedAtChartCentre()
    {
        const bool open = form->PopupMenu->isVisible();
        const QPoint at = form->PopupMenu->pos();
        form->PopupMenu->hide();
        return open && at == form->Chart->mapToGlobal(form->Chart->rect().center());
    }

    std::unique_ptr<TMainForm> form = openMainForm(',');
};

TEST_P(ChartMenuKey, OpensTheChartsMenuAtItsCentreFromTheTableAndTheButton)
{
    ASSERT_TRUE(form->StringGrid1->hasFocus());
    press();
    EXPECT_TRUE(menuOpenedAtChartCentre());

    form->Button1->setFocus();
    press();
    EXPECT_TRUE(menuOpenedAtChartCentre());
    EXPECT_FALSE(form->Chart->hasFocus()) << "the chart still takes no focus";
}

TEST_P(ChartMenuKey, KeepsItsOwnMeaningInsideACellEditor)
{
    typeText(form.get(), "1");
    ASSERT_TRUE(form->StringGrid1->isEditing());
    press();
    EXPECT_FALSE(form->PopupMenu->isVisible());
    EXPECT_TRUE(form->StringGrid1->isEditing());

    // Once the editor is closed, the key opens the chart's menu again.
    form->Button1->setFocus();
    ASSERT_FALSE(form->StringGrid1->isEditing());
    press();
    EXPECT_TRUE(menuOpenedAtChartCentre());
}

TEST_P(ChartMenuKey, TheMenusItemCopiesTheChart)
{
    press();
    ASSERT_TRUE(form->PopupMenu->isVisible());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(form->PopupMenu, Qt::Key_Down);
    ASSERT_EQ(form->PopupMenu->activeAction(), form->N1);
    QTest::keyClick(form->PopupMenu, Qt::Key_Return);
    EXPECT_FALSE(form->PopupMenu->isVisible());
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
}

INSTANTIATE_TEST_SUITE_P(Keys, ChartMenuKey,
                         testing::Values(MenuKey{"MenuKey", Qt::Key_Menu, Qt::NoModifier},
                                         MenuKey{"ShiftF10", Qt::Key_F10, Qt::ShiftModifier}),
                         [](const testing::TestParamInfo<MenuKey>& info) { return info.param.name; });

} // namespace
