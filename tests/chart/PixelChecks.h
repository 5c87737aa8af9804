// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

// What a person would call the colour of a pixel; text is antialiased, so
// only its core pixels carry the pure colour.
inline bool isGreen(QColor c) { return c.green() >= 100 && c.red() < 80 && c.blue() < 80; }
inline bool isBlue(QColor c) { return c.blue() >= 180 && c.red() < 100 && c.green() < 100; }
inline bool isDark(QColor c) { return c.red() < 64 && c.green() < 64 && c.blue() < 64; }
inline bool isLightYellow(QColor c)
{
    return c.red() > 240 && c.green() > 240 && c.blue() > 100 && c.blue() < 160;
}
inline bool isWhite(QColor c) { return c == QColor(Qt::white); }

inline int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& is)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += is(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}
