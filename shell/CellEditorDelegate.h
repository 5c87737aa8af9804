// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QStyledItemDelegate>

class TStringGrid;

/// Stands first in line for the key presses and input-method text of the
/// grid's cell editors (the view makes the delegate their event filter), so
/// the grid's key filter sees every typed character before the editor does,
/// Enter included. Tab leaves the grid instead of moving to the next cell.
class CellEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellEditorDelegate(TStringGrid* grid);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TStringGrid* grid_;
};
