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

/// Most characters of a quoted text (between a message's first and last
/// apostrophe, as the conversion message quotes a cell) that the error box
/// shows; a longer one is shown by its two ends joined by '…'.
inline constexpr qsizetype kShownQuoteLength = 200;
/// Most lines of a quoted text that the error box shows; a quote of more
/// lines is shown by its first and last lines joined by '…'.
inline constexpr qsizetype kShownQuoteLines = 9;
/// Longest run of shown characters with no place to break the line: a longer
/// run gets break opportunities (zero-width spaces) inserted, so a pasted
/// text without spaces wraps inside the box instead of running past its edge.
inline constexpr qsizetype kLongestUnbrokenRun = 24;

/// The text the error box shows for `message`. Its quoted text, if any, is
/// shown so that it fits any screen and reads as it is: shortened in the
/// middle to at most kShownQuoteLength characters and kShownQuoteLines lines,
/// every line break shown as one, each character that cannot be seen (a
/// control or format character, a space other than U+0020, a filler) shown as
/// its code "<U+XXXX>", long runs made breakable, and the whole isolated from
/// the sentence's direction (FSI … PDI) so right-to-left text in it cannot
/// turn the sentence around. Then a full stop is added unless the message is
/// empty or already ends in '.' or a character below it (a space, ',' or '-').
QString errorBoxText(const QString& message);

/// Shows `message` in a modal error box captioned with the program's title
/// and waits until it is closed.
void showErrorBox(const QString& message);

/// Runs an event handler; an exception escaping it is shown in the error box
/// and goes no further, so the program carries on in the state the handler
/// left.
void runHandler(const std::function<void()>& handler) noexcept;
