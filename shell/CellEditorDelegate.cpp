#include "CellEditorDelegate.h"

#include "TStringGrid.h"

#include <QKeyEvent>

CellEditorDelegate::CellEditorDelegate(TStringGrid* grid)
    : QStyledItemDelegate(grid), grid_(grid)
{
}

QWidget* CellEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    grid_->editor_ = editor;
    return editor;
}

bool CellEditorDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress && !grid_->delivering_) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            emit commitData(editor);
            emit closeEditor(editor, NoHint);
            grid_->focusNextPrevChild(key->key() == Qt::Key_Tab);
            return true;
        }
        if (typesCharacter(*key)) {
            const QString kept = grid_->offerCharacters(key->text());
            if (kept.isEmpty())
                return true;
            if (kept != key->text()) {
                grid_->deliverReplaced(editor, *key, kept);
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
