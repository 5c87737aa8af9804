// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootTable.h"

#include <QTableWidget>

class GridKeyFilter;

/// A grid of text cells addressed as (column, row), row 0 being a fixed
/// header row (shown as the horizontal header, so it neither scrolls nor is
/// edited). Every character typed into the grid or into its cell editor,
/// from the keyboard or an input method, is offered to OnKeyPress before it
/// is applied; the handler may replace it, or set it to 0 to drop it. Text
/// that reaches the editor by other means, such as the editor's own Paste,
/// is not offered, and reaches the cell whole.
class TStringGrid : public QTableWidget, public RootCells {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    /// Text of cell (column, row); row 0 is the header.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    std::string cellText(int column, int row) const override;
    /// The view's index of cell (column, row); invalid for the header row.
    QModelIndex cellIndex(int column, int row) const;

    /// Height of grid row `row`; row 0 is the header.
    void setGridRowHeight(int row, int height);
    /// Makes (column, row) the current cell; rows count the header.
    void setCurrentGridCell(int column, int row);

    /// Whether a cell editor is open.
    bool isEditing() const { return state() == EditingState; }
    /// Writes the text of an open cell editor into its cell, so that whoever
    /// reads the cells next sees what the user typed.
    void commitEditor();

    using QTableWidget::edit;

signals:
    /// Offered each typed character before it is applied.
    void OnKeyPress(QObject* Sender, QChar& Key);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    // The key filter closes an editor and moves the focus on as the view's
    // own keys do, through the view's protected members.
    friend class GridKeyFilter;

    static int viewRow(int row) { return row - RootTable::kFixedRows; }

    GridKeyFilter* keys_;
};
