// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "LostWindowCloser.h"
#include "Maincode.h"

#include "WindowDriver.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QGuiApplication>

#include <gtest/gtest.h>

#if __has_include(<xcb/xproto.h>)
#include <xcb/xproto.h>

namespace {

// Hands the application's native event filters the notice an X server sends
// when a window is destroyed, as Qt's X11 platform does with every event.
void serverReportsDestroyed(WId window, uint8_t type = XCB_DESTROY_NOTIFY)
{
    xcb_destroy_notify_event_t event{};
    event.response_type = type;
    event.event = xcb_window_t(window);
    event.window = xcb_window_t(window);
    qintptr result = 0;
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &event, &result);
    QCoreApplication::processEvents();
}

class LostWindow : public testing::Test {
protected:
    void SetUp() override { qApp->installNativeEventFilter(&closer); }
    void TearDown() override { qApp->removeNativeEventFilter(&closer); }

    LostWindowCloser closer;
};

// Counts the close requests a window receives.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        closes += event->type() == QEvent::Close ? 1 : 0;
        return false;
    }
};

// Closing the last window is what ends the program's loop, with exit code 0.
TEST_F(LostWindow, MainWindowDestroyedFromOutsideClosesAsByItsCloseButton)
{
    auto form = openMainForm(',');
    CloseCounter counter;
    form->installEventFilter(&counter);
    serverReportsDestroyed(form->winId());
    EXPECT_EQ(counter.closes, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LostWindow, OtherNoticesLeaveTheWindowOpen)
{
    auto form = openMainForm(',');
    serverReportsDestroyed(form->winId() + 1);
    serverReportsDestroyed(form->winId(), XCB_UNMAP_NOTIFY);
    EXPECT_TRUE(form->isVisible());
}

} // namespace
#endif
