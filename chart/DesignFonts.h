// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

/// The font's families as this machine can show them: a family that is not
/// installed gives way to the installed face that stands in for it (Arial's
/// metric twin Liberation Sans, for MS Sans Serif the face fontconfig gives
/// it), so Qt finds the face straight away instead of asking fontconfig for
/// substitutes, a search that costs more than loading the face.
void useInstalledFamilies(QFont& font);

/// Whether a font family is installed.
using FamilyInstalled = std::function<bool(const QString&)>;

/// The families of `designed` that are installed, each missing one replaced
/// by its installed equivalent; `designed` itself when none of them is.
QStringList installedFamilies(const QStringList& designed, const FamilyInstalled& isInstalled);

/// A font of `family` at `pixelSize` pixels, as this machine shows it.
QFont designFont(const QString& family, int pixelSize);
