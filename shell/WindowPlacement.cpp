// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

int placedAlong(int designed, int extent, int areaStart, int areaExtent)
{
    if (extent > areaExtent)
        return areaStart;
    return std::clamp(designed, areaStart, areaStart + areaExtent - extent);
}

QMargins frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

QPoint WindowPlacement::position(const QRect& available, const QMargins& frame, const QSize& size,
                                 const QPoint& designed)
{
    const QSize outer = size.grownBy(frame);
    return {placedAlong(designed.x(), outer.width(), available.x(), available.width()),
            placedAlong(designed.y(), outer.height(), available.y(), available.height())};
}

void WindowPlacement::place(QWidget* window, const QPoint& designed)
{
    // The window opens on the screen its designed place lies on.
    window->move(designed);
    auto* placement = new WindowPlacement(window, designed);
    placement->placeWindow();
    window->installEventFilter(placement);
}

WindowPlacement::WindowPlacement(QWidget* window, const QPoint& designed)
    : QObject(window)
    , window_(window)
    , designed_(designed)
{
}

void WindowPlacement::placeWindow()
{
    const QScreen* screen = window_->screen();
    window_->move(position(screen->availableGeometry(), frameOf(*window_), window_->size(), designed_));
}

bool WindowPlacement::eventFilter(QObject* /*watched*/, QEvent* event)
{
    const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Show;
    if (moved && !frameOf(*window_).isNull()) {
        // Moving sends more of these events: placing once is enough.
        window_->removeEventFilter(this);
        deleteLater();
        placeWindow();
    }
    return false;
}
