// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootTable.h"

#include <QTableWidget>

class QKeyEvent;

/// A grid of text cells addressed as (column, row), row 0 being a fixed
/// header row (shown as the horizontal header, so it neither scrolls nor is
/// edited). Every character typed into the grid or into its cell editor,
/// from the keyboard or an input method, is offered to OnKeyPress before it
/// is applied; the handler may replace it, or set it to 0 to drop it. Text
/// that reaches the editor by other means, such as the editor's own Paste,
/// is not offered.
class TStringGrid : public QTableWidget, public RootCells {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    /// Text of cell (column, row); row 0 is the header.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    std::string cellText(int column, int row) const override;

    /// Height of grid row `row`; row 0 is the header.
    void setGridRowHeight(int row, int height);
    /// Makes (column, row) the current cell; rows count the header.
    void setCurrentGridCell(int column, int row);

    /// Whether a cell editor is open.
    bool isEditing() const { return state() == EditingState; }
    /// Writes the text of an open cell editor into its cell, so that whoever
    /// reads the cells next sees what the user typed.
    void commitEditor();

    /// What became of a typed key once its characters were offered.
    enum class Offered {
        Apply,    ///< all kept as typed: the key goes on as it is
        Replaced, ///< some changed or dropped: the rest was sent to the target
        Dropped,  ///< nothing kept
    };
    /// Offers the characters `event` types to OnKeyPress. When the handler
    /// changes some, a key carrying what is left goes to `target` in place
    /// of `event`, past the filter.
    Offered offerKey(QObject* target, QKeyEvent& event);
    /// Offers each character of `text` to OnKeyPress; what is left to apply.
    QString offerCharacters(const QString& text);
    /// Whether a key now arriving was already offered (it is being passed on
    /// after the filter).
    bool isPassingOn() const { return passingOn_; }
    /// Moves the keyboard focus to the next (or previous) control after the
    /// grid, as Tab does in a form.
    void leaveGrid(bool forward) { focusNextPrevChild(forward); }

signals:
    /// Offered each typed character before it is applied.
    void OnKeyPress(QObject* Sender, QChar& Key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// Delivers `event` to `target` without offering it again.
    void passOn(QObject* target, QKeyEvent& event);

    bool passingOn_ = false;
};

/// Whether `event` types a character, as opposed to a command key (arrows,
/// Delete, Tab, Escape) that edits or moves without typing anything.
bool typesCharacter(const QKeyEvent& event);
