// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "CellEditorDelegate.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <limits>

namespace {

constexpr QChar kEllipsis{0x2026};

// Qt's line edit, the cell editor, shows control characters as spaces; a cell
// does so for a tab too, whose tab stop lies past a cell's width and would
// leave only the ellipsis in view.
bool shownAsSpace(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator
        || c == QChar::ParagraphSeparator;
}

// The line edit's own menu, with its entries' shortcut texts taken off.
QMenu* editorMenu(QLineEdit* editor)
{
    QMenu* menu = editor->createStandardContextMenu();
    // Qt writes each entry's shortcut after a tab, in whatever language the
    // entries are in. Those shortcuts are Ctrl+letter keys, which type
    // control characters that the key filter drops: the entries work from
    // the menu, the keys do not. Shift+Insert, Ctrl+Insert and Shift+Delete
    // type nothing and keep working.
    for (QAction* action : menu->actions()) {
        const QString text = action->text();
        if (const qsizetype tab = text.indexOf(u'\t'); tab >= 0)
            action->setText(text.left(tab));
    }
    return menu;
}

} // namespace

CellEditorDelegate::CellEditorDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
}

QWidget* CellEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    // A line edit keeps 32,767 characters unless told otherwise, and cuts
    // both a longer cell text it is opened on and a longer paste without a
    // word.
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setMaxLength(std::numeric_limits<int>::max());
    return editor;
}

QString CellEditorDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    // Qt lays out the whole text before eliding it to the cell's width: a
    // mebibyte would take a second on every repaint.
    QString shown = value.toString();
    if (shown.size() > kShownCharacters) {
        qsizetype end = kShownCharacters;
        if (shown.at(end - 1).isHighSurrogate())
            --end;
        shown = shown.left(end) + kEllipsis;
    }
    shown = QStyledItemDelegate::displayText(shown, locale);
    std::replace_if(shown.begin(), shown.end(), shownAsSpace, QChar(u' '));
    return shown;
}

bool CellEditorDelegate::eventFilter(QObject* object, QEvent* event)
{
    // The view makes the delegate the filter of each editor it opens.
    if (event->type() == QEvent::ContextMenu) {
        if (auto* editor = qobject_cast<QLineEdit*>(object)) {
            QMenu* menu = editorMenu(editor);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
