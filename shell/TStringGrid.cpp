// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "TStringGrid.h"

#include "CellEditorDelegate.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>

bool typesCharacter(const QKeyEvent& event)
{
    if (event.text().isEmpty())
        return false;
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false;
    default:
        return true;
    }
}

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent)
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
        : item(row - RootTable::kFixedRows, column);
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
    }
    else if (QTableWidgetItem* it = item(row - RootTable::kFixedRows, column))
        it->setText(text);
    else
        setItem(row - RootTable::kFixedRows, column, new QTableWidgetItem(text));
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
        setRowHeight(row - RootTable::kFixedRows, height);
}

void TStringGrid::setCurrentGridCell(int column, int row)
{
    setCurrentCell(row - RootTable::kFixedRows, column);
}

void TStringGrid::commitEditor()
{
    if (QWidget* editor = indexWidget(currentIndex()); editor && isEditing())
        commitData(editor);
}

QString TStringGrid::offerCharacters(const QString& text)
{
    QString kept;
    for (QChar typed : text) {
        QChar key = typed;
        emit OnKeyPress(this, key);
        if (!key.isNull())
            kept += key;
    }
    return kept;
}

TStringGrid::Offered TStringGrid::offerKey(QObject* target, QKeyEvent& event)
{
    const QString kept = offerCharacters(event.text());
    if (kept == event.text())
        return Offered::Apply;
    if (kept.isEmpty())
        return Offered::Dropped;
    // Qt keys of ASCII characters are their upper-case codes.
    const int key = kept.size() == 1 && kept[0].unicode() < 128 ? kept[0].toUpper().unicode()
                                                                : event.key();
    QKeyEvent replaced(event.type(), key, event.modifiers(), kept, event.isAutoRepeat(),
                       event.count());
    passOn(target, replaced);
    return Offered::Replaced;
}

void TStringGrid::passOn(QObject* target, QKeyEvent& event)
{
    passingOn_ = true;
    if (target == this)
        QTableWidget::keyPressEvent(&event);
    else
        QCoreApplication::sendEvent(target, &event);
    passingOn_ = false;
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    // With the editor open, keys reach the grid only when the editor passed
    // them up unused; the editor offered them already.
    if (passingOn_ || isEditing() || !typesCharacter(*event)) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    switch (offerKey(this, *event)) {
    case Offered::Apply:
        // Opening the editor forwards the key to it, already offered.
        passOn(this, *event);
        break;
    case Offered::Dropped:
        // A printable character opens the editor even when it is dropped,
        // as typing into a grid cell always does; Enter and control keys
        // do nothing at all.
        if (event->text().at(0).isPrint())
            edit(currentIndex());
        break;
    case Offered::Replaced:
        break;
    }
    event->accept();
}
