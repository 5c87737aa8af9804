// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class QInputMethodEvent;
class QKeyEvent;
class QWidget;
class TStringGrid;

/// Stands first in line for the key presses and input-method text of a grid
/// and of each of its cell editors, so that every character typed into
/// either is offered to the grid's OnKeyPress exactly once before it is
/// applied. A character the handler replaces goes on as a new key; one it
/// sets to 0 is dropped. Tab and Backtab in an editor keep its text and
/// leave the grid for the next or previous control.
class GridKeyFilter : public QObject {
public:
    /// Watches `grid`, which owns the filter.
    explicit GridKeyFilter(TStringGrid* grid);
    /// Also watches `editor`, a cell editor of the grid, ahead of every
    /// filter it already has (the grid's delegate would otherwise take Enter
    /// and Tab before they are offered).
    void watchEditor(QWidget* editor);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    /// What became of a typed key once its characters were offered.
    enum class Offered {
        Apply,    ///< all kept as typed: the key goes on as it is
        Replaced, ///< some changed or dropped: the rest was sent to the target
        Dropped,  ///< nothing kept
    };

    bool gridKey(QKeyEvent& event);
    bool gridInput(QInputMethodEvent& event);
    bool editorKey(QWidget* editor, QKeyEvent& event);
    void offerInput(QInputMethodEvent& event);
    Offered offerKey(QObject* target, QKeyEvent& event);
    QString offerCharacters(const QString& text);
    void passOn(QObject* target, QEvent& event);
    void leaveGrid(QWidget* editor, bool forward);

    TStringGrid* grid_;
    /// Set while an event the filter has offered goes on to its target, so
    /// that the editor the grid forwards it to does not offer it again.
    bool passingOn_ = false;
};
