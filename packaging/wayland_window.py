#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

"""Starts a program as a client of a running Wayland compositor, waits until
its window with the given caption is shown, then closes it the way a
compositor does when the user closes a window, and expects the program to end
with exit status 0.

The program talks to the compositor through a relay in this script, which
reads the few messages it needs on the way: the caption the program gives its
xdg_toplevel, the compositor's first configure and the program's first buffer
committed after acknowledging it (the moment the compositor maps the window).
It then hands the program the xdg_toplevel.close event, the one a compositor
sends for a click on the window's close button or Alt+F4 in a desktop whose
compositor draws the title bars. Weston has no way to send it on request.

    wayland_window.py TIMEOUT_SECONDS CAPTION PROGRAM [ARGS...]

The compositor is the one $WAYLAND_DISPLAY names (a path, or a name under
$XDG_RUNTIME_DIR), as for any Wayland client.
"""

import os
import selectors
import socket
import struct
import subprocess
import sys
import tempfile
import time

HEADER = struct.Struct("<II")
MAX_FDS = 28
CLOSE_WAIT_SECONDS = 20

# Opcodes of the messages the relay reads, from wayland.xml and xdg-shell.xml.
DISPLAY_ID = 1
DISPLAY_GET_REGISTRY = 1
DISPLAY_DELETE_ID = 1  # event
REGISTRY_BIND = 0
COMPOSITOR_CREATE_SURFACE = 0
SURFACE_ATTACH = 1
SURFACE_COMMIT = 6
WM_BASE_GET_XDG_SURFACE = 2
XDG_SURFACE_GET_TOPLEVEL = 1
XDG_SURFACE_ACK_CONFIGURE = 4
XDG_SURFACE_CONFIGURE = 0  # event
XDG_TOPLEVEL_SET_TITLE = 2
XDG_TOPLEVEL_CLOSE = 1  # event


def log(text):
    print(f"wayland_window: {text}", flush=True)


class Reader:
    """Reads the arguments of one message in wire format."""

    def __init__(self, body):
        self.body = body
        self.at = 0

    def uint(self):
        (value,) = struct.unpack_from("<I", self.body, self.at)
        self.at += 4
        return value

    def string(self):
        length = self.uint()
        text = self.body[self.at:self.at + max(length - 1, 0)].decode("utf-8", "replace")
        self.at += (length + 3) & ~3
        return text


class Window:
    """What the relay has seen of one client's objects and its caption."""

    def __init__(self, caption):
        self.caption = caption
        self.interfaces = {DISPLAY_ID: "wl_display"}
        self.surface_of = {}  # xdg_surface id -> wl_surface id
        # The objects of the window with the caption, once it has it.
        self.toplevel = None
        self.xdg_surface = None
        self.surface = None
        self.configured = False
        self.acked = False
        self.buffer_attached = False
        self.shown = False

    def on_request(self, sender, opcode, body):
        interface = self.interfaces.get(sender)
        args = Reader(body)
        if interface == "wl_display" and opcode == DISPLAY_GET_REGISTRY:
            self.interfaces[args.uint()] = "wl_registry"
        elif interface == "wl_registry" and opcode == REGISTRY_BIND:
            args.uint()
            name = args.string()
            args.uint()
            self.interfaces[args.uint()] = name
        elif interface == "wl_compositor" and opcode == COMPOSITOR_CREATE_SURFACE:
            self.interfaces[args.uint()] = "wl_surface"
        elif interface == "xdg_wm_base" and opcode == WM_BASE_GET_XDG_SURFACE:
            xdg_surface, surface = args.uint(), args.uint()
            self.interfaces[xdg_surface] = "xdg_surface"
            self.surface_of[xdg_surface] = surface
        elif interface == "xdg_surface" and opcode == XDG_SURFACE_GET_TOPLEVEL:
            self.interfaces[args.uint()] = ("xdg_toplevel", sender)
        elif isinstance(interface, tuple) and opcode == XDG_TOPLEVEL_SET_TITLE:
            title = args.string()
            log(f"xdg_toplevel@{sender} caption \"{title}\"")
            if title == self.caption and self.toplevel is None:
                self.toplevel = sender
                self.xdg_surface = interface[1]
                self.surface = self.surface_of[self.xdg_surface]
        elif self.toplevel is None or self.shown:
            return
        elif sender == self.xdg_surface and opcode == XDG_SURFACE_ACK_CONFIGURE:
            self.acked = self.configured
        elif sender == self.surface and self.acked:
            if opcode == SURFACE_ATTACH and args.uint() != 0:
                self.buffer_attached = True
            elif opcode == SURFACE_COMMIT and self.buffer_attached:
                self.shown = True
                log(f"xdg_toplevel@{self.toplevel} \"{self.caption}\" is shown")

    def on_event(self, sender, opcode, body):
        if sender == DISPLAY_ID and opcode == DISPLAY_DELETE_ID:
            gone = Reader(body).uint()
            self.interfaces.pop(gone, None)
            self.surface_of.pop(gone, None)
        elif sender == self.xdg_surface and opcode == XDG_SURFACE_CONFIGURE:
            self.configured = True


def split_messages(buffer):
    """Returns the complete messages at the start of buffer and the rest."""
    messages = []
    while len(buffer) >= HEADER.size:
        sender, word = HEADER.unpack_from(buffer)
        size = word >> 16
        if size < HEADER.size or len(buffer) < size:
            break
        messages.append((sender, word & 0xFFFF, bytes(buffer[HEADER.size:size]), bytes(buffer[:size])))
        del buffer[:size]
    return messages


class Relay:
    """Carries one client's connection to the compositor and back."""

    def __init__(self, client, compositor_path, window):
        self.client = client
        self.server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.server.connect(compositor_path)
        self.window = window
        self.requests = bytearray()
        self.events = bytearray()
        self.pending_fds = []
        self.open = True

    def pass_on(self, source, target, parse):
        """Carries what source has to say on to target; the relay closes when
        either end goes away."""
        try:
            self.carry(source, target, parse)
        except ConnectionError:
            self.open = False

    def carry(self, source, target, parse):
        data, fds, _, _ = socket.recv_fds(source, 65536, MAX_FDS)
        if not data:
            self.open = False
            return
        if source is self.client:
            # Requests go on unchanged at once; the relay only reads them.
            self.send(target, data, fds)
            self.requests += data
            for sender, opcode, body, _ in split_messages(self.requests):
                parse(sender, opcode, body)
        else:
            # Events go on whole, so that one can be added between them.
            self.pending_fds += fds
            self.events += data
            out = bytearray()
            for sender, opcode, body, raw in split_messages(self.events):
                parse(sender, opcode, body)
                out += raw
            if out:
                self.send(target, bytes(out), self.pending_fds)
                self.pending_fds = []

    @staticmethod
    def send(target, data, fds):
        if fds:
            socket.send_fds(target, [data], fds)
            for fd in fds:
                os.close(fd)
        else:
            target.sendall(data)

    def send_close(self):
        self.client.sendall(HEADER.pack(self.window.toplevel, (HEADER.size << 16) | XDG_TOPLEVEL_CLOSE))


def main():
    if len(sys.argv) < 4 or "XDG_RUNTIME_DIR" not in os.environ:
        print(__doc__, file=sys.stderr)
        return 2
    timeout, caption, program = float(sys.argv[1]), sys.argv[2], sys.argv[3:]
    runtime_dir = os.environ["XDG_RUNTIME_DIR"]
    compositor = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
    compositor_path = compositor if compositor.startswith("/") else os.path.join(runtime_dir, compositor)

    listen_dir = tempfile.mkdtemp(prefix="relay-", dir=runtime_dir)
    listen_path = os.path.join(listen_dir, "wayland-relay")
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(listen_path)
    listener.listen()

    env = dict(os.environ, WAYLAND_DISPLAY=os.path.relpath(listen_path, runtime_dir))
    output = tempfile.TemporaryFile()
    process = subprocess.Popen(program, env=env, stdout=output, stderr=subprocess.STDOUT)
    selector = selectors.DefaultSelector()
    selector.register(listener, selectors.EVENT_READ)
    relays = []
    close_sent_at = None
    deadline = time.monotonic() + timeout

    def finish(code, message):
        if process.poll() is None:
            process.kill()
            process.wait()
        output.seek(0)
        said = output.read().decode("utf-8", "replace")
        if code != 0 and said:
            log("the program said:")
            sys.stdout.write(said)
        log(message)
        os.unlink(listen_path)
        os.rmdir(listen_dir)
        return code

    try:
        while True:
            status = process.poll()
            if status is not None:
                if close_sent_at is None:
                    return finish(1, f"{program[0]} exited with status {status} before its window showed")
                if status != 0:
                    return finish(1, f"{program[0]} exited with status {status} after the close")
                return finish(0, f"{program[0]} ended with status 0 after the close")
            now = time.monotonic()
            if close_sent_at is None and now > deadline:
                return finish(1, f"no window \"{caption}\" shown within {timeout:g} s")
            if close_sent_at is not None and now > close_sent_at + CLOSE_WAIT_SECONDS:
                return finish(1, f"{program[0]} still runs {CLOSE_WAIT_SECONDS} s after the close")
            shown = [relay for relay in relays if relay.window.shown]
            if shown and close_sent_at is None:
                log(f"sending xdg_toplevel@{shown[0].window.toplevel}.close")
                try:
                    shown[0].send_close()
                except ConnectionError:
                    return finish(1, f"{program[0]} left the compositor before the close")
                close_sent_at = now
            for key, _ in selector.select(timeout=0.1):
                if key.fileobj is listener:
                    client, _ = listener.accept()
                    # Every connection is relayed; the caption tells which
                    # one holds the window.
                    relay = Relay(client, compositor_path, Window(caption))
                    relays.append(relay)
                    selector.register(client, selectors.EVENT_READ, (relay, relay.server, relay.window.on_request))
                    selector.register(relay.server, selectors.EVENT_READ, (relay, client, relay.window.on_event))
                    continue
                relay, target, parse = key.data
                if not relay.open:
                    continue
                relay.pass_on(key.fileobj, target, parse)
                if not relay.open:
                    for end in (relay.client, relay.server):
                        selector.unregister(end)
                        end.close()
    finally:
        if process.poll() is None:
            process.kill()


if __name__ == "__main__":
    sys.exit(main())
