#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

"""A private X display, D-Bus session and accessibility bus, as a desktop
with a screen reader gives a program, for the tests that listen the way a
screen reader does.

    atspi_session.py COMMAND [ARGS...]

runs COMMAND inside such a session with Qt's accessibility bridge on and
returns its exit status; it exits with SKIP (77) and says why when a tool is
missing here.
"""

import contextlib
import os
import random
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
START_TIMEOUT_S = 60


def missing_tools():
    """What this machine lacks for a session, as a list of names."""
    missing = [tool for tool in ("Xvfb", "dbus-daemon", "dbus-send") if shutil.which(tool) is None]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER)
    return missing


def _read_line(stream_fd, what):
    ready, _, _ = select.select([stream_fd], [], [], START_TIMEOUT_S)
    if not ready:
        raise RuntimeError(f"{what} did not start in {START_TIMEOUT_S} s")
    line = b""
    while not line.endswith(b"\n"):
        chunk = os.read(stream_fd, 256)
        if not chunk:
            break
        line += chunk
    return line.decode().strip()


def _wait_for_name(env, name):
    deadline = time.monotonic() + START_TIMEOUT_S
    while time.monotonic() < deadline:
        reply = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", f"string:{name}"],
            env=env, capture_output=True, text=True, check=False)
        if "boolean true" in reply.stdout:
            return
        time.sleep(0.05)
    raise RuntimeError(f"{name} did not appear on the session bus")


def _start_xvfb(processes):
    # The low display numbers are the ones other servers on the machine take
    # first; a random high one rarely meets another.
    for _ in range(5):
        number = random.randrange(1000, 30000)
        display_read, display_write = os.pipe()
        # Xvfb writes its display number once it takes clients.
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-displayfd", str(display_write), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp"],
            pass_fds=(display_write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(display_write)
        try:
            display = _read_line(display_read, "Xvfb")
        finally:
            os.close(display_read)
        if display and xvfb.poll() is None:
            processes.append(xvfb)
            return display
        xvfb.wait()
    raise RuntimeError("Xvfb found no free display")


@contextlib.contextmanager
def atspi_session():
    """Yields the environment a program of the session runs with."""
    processes = []
    runtime = tempfile.mkdtemp(prefix="roots-atspi-")
    try:
        display = _start_xvfb(processes)

        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        processes.append(bus)
        address = _read_line(bus.stdout.fileno(), "dbus-daemon")

        env = dict(os.environ, DISPLAY=f":{display}", DBUS_SESSION_BUS_ADDRESS=address,
                   XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb",
                   # A screen reader turns the bridge on through the bus; here
                   # no screen reader runs, so it is turned on directly.
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop("WAYLAND_DISPLAY", None)
        processes.append(subprocess.Popen([BUS_LAUNCHER], env=env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL))
        _wait_for_name(env, "org.a11y.Bus")
        yield env
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(runtime, ignore_errors=True)


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    missing = missing_tools()
    if missing:
        print(f"SKIPPED: no AT-SPI session can be started here, missing {', '.join(missing)}"
              " (./dev installs them)")
        return SKIP
    with atspi_session() as env:
        return subprocess.run(argv[1:], env=env, check=False).returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv))
