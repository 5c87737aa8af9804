// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractNativeEventFilter>

/// Closes a window of the program whose native window another program
/// destroyed (`xdotool windowclose`, a window manager going down with the
/// frames it held), as the window manager's close button would. Qt takes no
/// notice of such a loss, and the program would go on running with no window.
/// Install it on the application.
class LostWindowCloser : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};
