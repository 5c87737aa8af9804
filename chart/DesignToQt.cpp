// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "DesignToQt.h"

#include "DesignFonts.h"

#include <QGuiApplication>
#include <QPalette>

QColor toQColor(TColor color)
{
    if (isSystemColor(color)) {
        const QPalette palette = QGuiApplication::palette();
        return color == clBtnFace ? palette.color(QPalette::Button) : palette.color(QPalette::WindowText);
    }
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

QFont toQFont(const FontDesign& font)
{
    return designFont(toQString(font.family), font.pixelSize);
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
