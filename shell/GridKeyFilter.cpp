// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "GridKeyFilter.h"

#include "TStringGrid.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// Tab, Escape and Delete carry text on some platforms but are commands:
// they move, cancel or delete without typing anything.
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

bool hasPrintable(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

} // namespace

GridKeyFilter::GridKeyFilter(TStringGrid* grid) : QObject(grid), grid_(grid)
{
    grid->installEventFilter(this);
}

void GridKeyFilter::watchEditor(QWidget* editor)
{
    // The filter installed last runs first.
    editor->installEventFilter(this);
}

bool GridKeyFilter::eventFilter(QObject* object, QEvent* event)
{
    if (passingOn_)
        return false;
    const bool onGrid = object == grid_;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto& key = static_cast<QKeyEvent&>(*event);
        return onGrid ? gridKey(key) : editorKey(static_cast<QWidget*>(object), key);
    }
    case QEvent::InputMethod: {
        auto& input = static_cast<QInputMethodEvent&>(*event);
        if (onGrid)
            return gridInput(input);
        offerInput(input);
        return false;
    }
    default:
        return false;
    }
}

bool GridKeyFilter::gridKey(QKeyEvent& event)
{
    // With the editor open, keys reach the grid only when the editor passed
    // them up unused; the editor offered them already.
    if (grid_->isEditing() || !typesCharacter(event))
        return false;
    switch (offerKey(grid_, event)) {
    case Offered::Apply:
        // Opening the editor forwards the key to it, already offered.
        passOn(grid_, event);
        break;
    case Offered::Dropped:
        // A printable character opens the editor even when it is dropped,
        // as typing into a grid cell always does; Enter and control keys
        // do nothing at all.
        if (event.text().at(0).isPrint())
            grid_->edit(grid_->currentIndex());
        break;
    case Offered::Replaced:
        break;
    }
    // Accepted, or the key would also go on to the grid's parents.
    event.accept();
    return true;
}

bool GridKeyFilter::gridInput(QInputMethodEvent& event)
{
    // Text still being composed is not applied yet; while an editor is open
    // the grid hands whatever it receives to the editor, which offers it.
    const QString typed = event.commitString();
    if (typed.isEmpty() || grid_->isEditing())
        return false;
    offerInput(event);
    // Committed text opens the editor, which receives the event from the grid.
    passOn(grid_, event);
    if (!grid_->isEditing() && hasPrintable(typed))
        grid_->edit(grid_->currentIndex());
    event.accept();
    return true;
}

bool GridKeyFilter::editorKey(QWidget* editor, QKeyEvent& event)
{
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) {
        leaveGrid(editor, event.key() == Qt::Key_Tab);
        return true;
    }
    return typesCharacter(event) && offerKey(editor, event) != Offered::Apply;
}

void GridKeyFilter::offerInput(QInputMethodEvent& event)
{
    // Composed or dictated text is typed too; only the committed part is
    // ever applied, so that is what is offered.
    if (!event.commitString().isEmpty())
        event.setCommitString(offerCharacters(event.commitString()), event.replacementStart(),
                              event.replacementLength());
}

GridKeyFilter::Offered GridKeyFilter::offerKey(QObject* target, QKeyEvent& event)
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

QString GridKeyFilter::offerCharacters(const QString& text)
{
    QString kept;
    for (QChar typed : text) {
        QChar key = typed;
        emit grid_->OnKeyPress(grid_, key);
        if (!key.isNull())
            kept += key;
    }
    return kept;
}

void GridKeyFilter::passOn(QObject* target, QEvent& event)
{
    const QScopedValueRollback<bool> offered(passingOn_, true);
    QCoreApplication::sendEvent(target, &event);
}

void GridKeyFilter::leaveGrid(QWidget* editor, bool forward)
{
    grid_->commitData(editor);
    grid_->closeEditor(editor, QAbstractItemDelegate::NoHint);
    grid_->focusNextPrevChild(forward);
}
