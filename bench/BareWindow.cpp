// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// The floor for start-up time and memory: the least Qt Widgets program that
// shows one empty window as large as the main window.
#include <QApplication>
#include <QWidget>

namespace {
// The main window's client area; with the frame a window manager adds, the
// outer size is 801 x 490, as the main window's.
constexpr int kWidth = 793;
constexpr int kHeight = 452;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(kWidth, kHeight);
    window.show();
    return app.exec();
}
