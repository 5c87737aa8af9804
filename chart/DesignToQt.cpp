// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "DesignToQt.h"

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
    QFont result(toQString(font.family));
    result.setPixelSize(font.pixelSize);
    return result;
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
