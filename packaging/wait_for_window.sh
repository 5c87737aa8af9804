#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# Starts a program on the current X display and waits until a top-level
# window with the given caption is mapped, then ends the program.
# Fails when the program exits first or the window does not show in time.
#   wait_for_window.sh TIMEOUT_SECONDS CAPTION PROGRAM [ARGS...]
set -euo pipefail

timeout=$1 caption=$2
shift 2

log=$(mktemp)
"$@" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -f "$log"' EXIT

# Prints the id of a mapped top-level window named CAPTION, if there is one.
# Under Xvfb there is no window manager, so top-level windows are the root's
# children; _NET_WM_NAME holds the caption in UTF-8, which xprop prints as
# it is only under a UTF-8 locale (in plain C it escapes every byte).
find_window() {
    local id
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        LC_ALL=C.UTF-8 xprop -id "$id" _NET_WM_NAME 2>/dev/null | grep -qF "= \"$caption\"" || continue
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
        echo "$id"
        return
    done
}

deadline=$((SECONDS + timeout))
while [ "$SECONDS" -lt "$deadline" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        echo "wait_for_window: $1 exited with status $status before its window showed:" >&2
        cat "$log" >&2
        exit 1
    fi
    window=$(find_window)
    if [ -n "$window" ]; then
        echo "wait_for_window: window $window \"$caption\" is shown"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        exit 0
    fi
    sleep 0.2
done

echo "wait_for_window: no window \"$caption\" within $timeout s; the program said:" >&2
cat "$log" >&2
exit 1
