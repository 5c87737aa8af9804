#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# Runs a command as a client of Weston with its headless backend, which needs
# no GPU and no screen, in a runtime folder of its own; Weston stops when the
# command ends, and the command's exit status is the script's.
#   with_weston.sh COMMAND [ARGS...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wayland-check
log=$runtime/weston.log
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

# --no-config keeps the user's weston.ini out; --idle-time=0 keeps the screen
# from locking while the command runs.
env -u WAYLAND_DISPLAY -u DISPLAY XDG_RUNTIME_DIR="$runtime" \
    weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    >"$log" 2>&1 &
weston_pid=$!

for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "with_weston: Weston did not start:" >&2
    cat "$log" >&2
    exit 1
fi

status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" "$@" || status=$?
exit "$status"
