// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellEditorDelegate.h"

#include "TStringGrid.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

CellEditorDelegate::CellEditorDelegate(TStringGrid* grid)
    : QStyledItemDelegate(grid), grid_(grid)
{
}

bool CellEditorDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor || grid_->isPassingOn())
        return QStyledItemDelegate::eventFilter(object, event);

    if (event->type() == QEvent::InputMethod) {
        // Composed or dictated text is typed too; only the committed part is
        // ever applied, so that is what is offered.
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->commitString().isEmpty())
            input->setCommitString(grid_->offerCharacters(input->commitString()),
                                   input->replacementStart(), input->replacementLength());
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            emit commitData(editor);
            emit closeEditor(editor, NoHint);
            grid_->leaveGrid(key->key() == Qt::Key_Tab);
            return true;
        }
        if (typesCharacter(*key) && grid_->offerKey(editor, *key) != TStringGrid::Offered::Apply)
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
