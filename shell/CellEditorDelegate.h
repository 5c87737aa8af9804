#pragma once

#include <QStyledItemDelegate>

class TStringGrid;

/// Creates the grid's cell editors and stands first in line for their key
/// presses, so the grid's key filter sees every typed character before the
/// editor does, Enter included. Tab leaves the grid instead of moving to the
/// next cell.
class CellEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellEditorDelegate(TStringGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    TStringGrid* grid_;
};
