// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

class QLocale;
class QTranslator;

/// Installs Qt's own translations for `locale` (the texts Qt supplies: the
/// cell editor's menu, the error box's button), found where Qt keeps them.
/// The program's own texts and messages are not translated, and the window
/// keeps its left-to-right layout whatever the language. Returns the
/// installed translator, owned by the application, or nullptr when Qt has
/// no translation for the locale (or none is installed).
QTranslator* installQtTranslations(const QLocale& locale);
