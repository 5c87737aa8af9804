// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

/// The program's title as the user sees it on error boxes and the task bar:
/// the program file's name without its folder, cut at the first '.', with
/// the first letter in upper case and the rest in lower case.
QString applicationTitle(const QString& programFile);

/// Longest text a message quotes (between its first and last apostrophe,
/// as the conversion message quotes a cell) that the error box shows whole.
inline constexpr qsizetype kShownQuoteLength = 200;

/// The text the error box shows for `message`: a quoted text longer than
/// kShownQuoteLength is shortened to that length in the middle, keeping both
/// ends joined by '…', so a pasted megabyte still gives a box that fits the
/// screen and opens at once. Then a full stop is added unless the message is
/// empty or already ends in '.' or a character below it (a space, ',' or '-').
QString errorBoxText(const QString& message);

/// Shows `message` in a modal error box captioned with the program's title
/// and waits until it is closed.
void showErrorBox(const QString& message);

/// Runs an event handler; an exception escaping it is shown in the error box
/// and goes no further, so the program carries on in the state the handler
/// left.
void runHandler(const std::function<void()>& handler) noexcept;
