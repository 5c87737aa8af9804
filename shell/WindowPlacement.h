// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

/// Opens a window where it was designed to open, unless that would put part
/// of it off its screen.
class WindowPlacement : public QObject {
public:
    /// Where a window whose client area is `size` and whose frame is `frame`
    /// opens, as the top-left corner of its frame: at `designed` when the
    /// whole window fits into `available` (the available geometry of its
    /// screen); otherwise moved the least distance that makes it fit, and,
    /// along a side where it is larger than `available`, at that area's left
    /// or top edge.
    static QPoint position(const QRect& available, const QMargins& frame, const QSize& size,
                           const QPoint& designed);

    /// Moves the top-level `window` to position() on the screen at `designed`,
    /// with the frame the platform reports now, and once more when the
    /// platform first reports a frame (a window manager adds it only once
    /// the window is shown).
    static void place(QWidget* window, const QPoint& designed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowPlacement(QWidget* window, const QPoint& designed);
    void placeWindow();

    QWidget* window_;
    QPoint designed_;
};
