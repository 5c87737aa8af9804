// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QByteArray;
class QWidget;
class TMainForm;

/// What the error boxes that appeared during an action showed.
struct ErrorBoxes {
    int count = 0;
    QString title;
    QString text;
    bool critical = false;
    bool plainText = false;
    bool fitsScreen = false; ///< the last box, as laid out for showing
};

/// Runs `action`, closing with OK every message box it opens as soon as its
/// event loop runs, and recording the last one, so no test waits on a person.
ErrorBoxes closingErrorBoxes(const std::function<void()>& action);

/// A fresh main window, shown and active, under a locale whose decimal
/// separator is `separator`.
std::unique_ptr<TMainForm> openMainForm(char separator = ',');

/// Types `text` character by character into whatever has the keyboard focus
/// in `window`, as a person at the keyboard would.
void typeText(QWidget* window, const QString& text);

/// Sends one key as a person would type it: `text` is what the key produces.
void typeKey(QWidget* window, int key, const QString& text, int modifiers = 0);

/// Clicks table cell (column, row) of the main window; rows count the header.
void clickCell(TMainForm& form, int column, int row);

/// The texts of the twelve root cells, row by row, real part first.
QStringList rootCellTexts(const TMainForm& form);

/// The text cell (column, row) hands the style to draw when the table is
/// painted: what a person sees there, before the style elides it to the
/// cell's width.
QString shownCellText(TMainForm& form, int column, int row);

/// Opens the editor on the current cell and pastes into it, through the
/// editor's own Paste, a clipboard holding `bytes` as plain text, exactly as
/// another program offered them (they need not be UTF-8).
void pasteIntoCellEditor(TMainForm& form, const QByteArray& bytes);
