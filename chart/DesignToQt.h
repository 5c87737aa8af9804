// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "RootChartDesign.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

/// The colour a TColor stands for; system colours come from the application's palette.
QColor toQColor(TColor color);
/// A font of the design's family at its pixel height.
QFont toQFont(const FontDesign& font);
QString toQString(std::string_view utf8);
