// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "LostWindowCloser.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWindow>

#if __has_include(<xcb/xproto.h>)
#include <xcb/xproto.h>
#define ROOTS_HAVE_XCB 1
#endif

bool LostWindowCloser::nativeEventFilter(const QByteArray& eventType, void* message,
                                         qintptr* /*result*/)
{
#ifdef ROOTS_HAVE_XCB
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks events another client sent.
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        // A window Qt destroyed itself has no platform window by the time the
        // server's notice arrives; asking for winId() without one would make one.
        if (window->handle() && window->winId() == destroyed->window)
            QMetaObject::invokeMethod(window, [window] { window->close(); }, Qt::QueuedConnection);
    }
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}
