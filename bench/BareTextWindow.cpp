// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// The floor for a window that shows any text: bare_window plus one label.
// Its first paint is what starts Qt's font machinery (fontconfig's
// configuration and caches, one FreeType face, HarfBuzz), which a window
// without text never needs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace {
constexpr int kWidth = 793;
constexpr int kHeight = 452;
constexpr QPoint kLabelPosition{624, 8};
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(kWidth, kHeight);
    QLabel label(QStringLiteral("Введите корни:"), &window);
    label.move(kLabelPosition);
    window.show();
    return app.exec();
}
