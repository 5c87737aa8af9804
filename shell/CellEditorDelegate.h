// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QStyledItemDelegate>

/// Shows the grid's cells and makes their editors. A cell shows its text on
/// one line, control characters as spaces, and no more of a very long text
/// than a cell can ever show, so that such a text costs a repaint nothing;
/// the cell itself keeps the text whole, as does the editor, which holds
/// whatever is pasted into it. The editor's context menu lists its entries
/// without the Ctrl+letter shortcuts, which the grid's key filter takes as
/// typed characters.
class CellEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    /// The most characters of a cell's text that the cell shows, far more
    /// than fit its width; a longer text is shown cut, ending in '…'.
    static constexpr qsizetype kShownCharacters = 256;

    explicit CellEditorDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    QString displayText(const QVariant& value, const QLocale& locale) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};
