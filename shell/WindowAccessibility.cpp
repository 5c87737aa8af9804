// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "WindowAccessibility.h"

#include "Maincode.h"

#include <QApplication>
#include <QShortcut>

namespace {

const QString kRealColumnDescription = QStringLiteral("Действительная часть корня");
const QString kImaginaryColumnDescription = QStringLiteral("Мнимая часть корня");

// What a screen reader says of the cell editor: the row and column it edits.
QString cellEditorName(const TStringGrid& grid, const QWidget* editor)
{
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            const QModelIndex index = grid.model()->index(row, column);
            if (grid.indexWidget(index) != editor)
                continue;
            const QString header = grid.cell(column, 0);
            const QString description = column == RootTable::kRealColumn ? kRealColumnDescription
                                                                         : kImaginaryColumnDescription;
            return QStringLiteral("Строка %1, столбец %2 (%3)")
                .arg(row + RootTable::kFixedRows)
                .arg(header, description.toLower());
        }
    }
    return {};
}

} // namespace

void makeAccessible(TMainForm& form)
{
    TStringGrid* grid = form.StringGrid1;
    grid->setAccessibleName(form.StaticText1->text());
    grid->horizontalHeaderItem(RootTable::kRealColumn)
        ->setData(Qt::AccessibleDescriptionRole, kRealColumnDescription);
    grid->horizontalHeaderItem(RootTable::kImaginaryColumn)
        ->setData(Qt::AccessibleDescriptionRole, kImaginaryColumnDescription);

    auto* chartMenuKeys = new QShortcut(&form);
    chartMenuKeys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    chartMenuKeys->setContext(Qt::WindowShortcut);
    QObject::connect(chartMenuKeys, &QShortcut::activated, &form,
                     [&form] { form.ChartContextPopup(form.Chart->rect().center()); });
    // An open editor has the focus; only editors take it inside the viewport.
    QObject::connect(qApp, &QApplication::focusChanged, chartMenuKeys,
                     [grid, chartMenuKeys](QWidget*, QWidget* now) {
                         const bool inEditor = now && grid->viewport()->isAncestorOf(now);
                         chartMenuKeys->setEnabled(!inEditor);
                         if (inEditor)
                             now->setAccessibleName(cellEditorName(*grid, now));
                     });
}

