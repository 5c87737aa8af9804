// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

// Starts a program and reports how long it takes until its main window is
// mapped and first painted, and the program's peak resident memory then.
//
// usage: window_watch PROGRAM [ARGS...]
// prints: map_ms=<ms> paint_ms=<ms> peak_rss_kib=<KiB>
//
// Every top-level window is seen being created through SubstructureNotify on
// the root window, which we select before the program exists, so no window is
// missed. Each gets a Damage object at once; the first damage to the main
// window after its MapNotify is its first paint. Qt windows have no server
// background, so that damage is the program's own drawing.
#include "ProcessTree.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

/// Windows smaller than this are helpers (tooltips, clipboard owners), not
/// the program's main window.
constexpr int kMinMainSide = 100;
/// A program that shows nothing within this time counts as failed.
constexpr std::chrono::seconds kGiveUpAfter{30};

double millisecondsSince(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Windows may vanish between their creation event and our request about
// them; such errors are expected and harmless.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

pid_t startProgram(char** argv, int xConnection)
{
    const pid_t pid = fork();
    if (pid == 0) {
        // Own process group, so that helpers it spawns die with it.
        setpgid(0, 0);
        close(xConnection);
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

bool isCandidate(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    return !attributes.override_redirect && attributes.width >= kMinMainSide
        && attributes.height >= kMinMainSide;
}

/// Waits for the next X event up to the deadline; false when it passed.
bool nextEvent(Display* display, XEvent& event, Clock::time_point deadline)
{
    while (!XPending(display)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, int(left.count()));
    }
    XNextEvent(display, &event);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_watch PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_watch: cannot open display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "window_watch: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    const Clock::time_point start = Clock::now();
    const pid_t pid = startProgram(argv + 1, ConnectionNumber(display));
    const Clock::time_point deadline = start + kGiveUpAfter;

    Window mainWindow = None;
    std::optional<Clock::time_point> mapped;
    std::optional<Clock::time_point> painted;
    XEvent event;
    while (!painted && nextEvent(display, event, deadline)) {
        const Clock::time_point now = Clock::now();
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify && mainWindow == None
                   && event.xmap.event == root && isCandidate(display, event.xmap.window)) {
            mainWindow = event.xmap.window;
            mapped = now;
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (mainWindow != None && damage.drawable == mainWindow)
                painted = now;
        }
    }

    const long peakKiB = peakResidentKiB(pid);
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);

    if (!painted) {
        std::fprintf(stderr, "window_watch: %s showed no painted window within %lld s\n", argv[1],
                     static_cast<long long>(kGiveUpAfter.count()));
        return 1;
    }
    std::printf("map_ms=%.1f paint_ms=%.1f peak_rss_kib=%ld\n", millisecondsSince(start, *mapped),
                millisecondsSince(start, *painted), peakKiB);
    return 0;
}
