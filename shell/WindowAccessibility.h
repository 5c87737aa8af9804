// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

class TMainForm;

/// Lets the window's output reach a screen reader too: the table is named by
/// its caption, its headers tell what each column holds, a cell editor tells
/// which cell it edits, and the chart's menu, whose chart takes no focus,
/// opens from the keyboard with the Menu key or Shift+F10 wherever the focus
/// is, except in a cell editor, where those keys keep their own meaning.
void makeAccessible(TMainForm& form);
