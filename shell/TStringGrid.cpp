// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TStringGrid.h"

#include "CellEditorDelegate.h"
#include "GridKeyFilter.h"

#include <QHeaderView>

TStringGrid::TStringGrid(QWidget* parent)
    : QTableWidget(parent), keys_(new GridKeyFilter(this))
{
    setItemDelegate(new CellEditorDelegate(this));
    // Section sizes are set per row; the font must not stop a row from
    // being as low as the design asks.
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    // The header row is a row of the table, not a control: its columns are
    // neither resized nor selected by the mouse.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    // The header row's height is fixed, yet the view asks the header for its
    // size, and a header measures its texts in a bold face the grid never
    // shows. So the row stays hidden until every column has its heading,
    // and each heading comes with its size.
    horizontalHeader()->hide();
}

QString TStringGrid::cell(int column, int row) const
{
    const QTableWidgetItem* it = row < RootTable::kFixedRows
        ? horizontalHeaderItem(column)
        : item(viewRow(row), column);
    return it ? it->text() : QString();
}

void TStringGrid::setCell(int column, int row, const QString& text)
{
    if (row < RootTable::kFixedRows) {
        auto* heading = new QTableWidgetItem(text);
        heading->setSizeHint(QSize(horizontalHeader()->sectionSize(column), horizontalHeader()->height()));
        setHorizontalHeaderItem(column, heading);
        bool headed = true;
        for (int c = 0; c < columnCount(); ++c)
            headed = headed && horizontalHeaderItem(c);
        horizontalHeader()->setVisible(headed);
    } else if (QTableWidgetItem* it = item(viewRow(row), column))
        it->setText(text);
    else
        setItem(viewRow(row), column, new QTableWidgetItem(text));
}

std::string TStringGrid::cellText(int column, int row) const
{
    return cell(column, row).toStdString();
}

void TStringGrid::setGridRowHeight(int row, int height)
{
    if (row < RootTable::kFixedRows)
        horizontalHeader()->setFixedHeight(height);
    else
        setRowHeight(viewRow(row), height);
}

void TStringGrid::setCurrentGridCell(int column, int row)
{
    setCurrentCell(viewRow(row), column);
}

void TStringGrid::commitEditor()
{
    if (QWidget* editor = indexWidget(currentIndex()); editor && isEditing())
        commitData(editor);
}

QModelIndex TStringGrid::cellIndex(int column, int row) const
{
    return row < RootTable::kFixedRows ? QModelIndex() : model()->index(viewRow(row), column);
}

bool TStringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!QTableWidget::edit(index, trigger, event))
        return false;
    // The delegate became the editor's filter as the editor was made; the
    // key filter goes in front of it. A key that opened the editor was
    // forwarded to it already, offered by the grid.
    if (QWidget* editor = indexWidget(index))
        keys_->watchEditor(editor);
    return true;
}
