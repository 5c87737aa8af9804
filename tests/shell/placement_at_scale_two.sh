#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# The window on a full-HD screen at a scale factor of 2, under Xvfb: twice
# its designed size, it no longer fits at twice its designed position, and
# must lie wholly on the screen. Exits with 77 where Xvfb or xwininfo is
# missing.
#   placement_at_scale_two.sh PROGRAM
set -euo pipefail

program=${1:?usage: placement_at_scale_two.sh PROGRAM}
for tool in xvfb-run xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool not found"; exit 77; }
done

# xwininfo prints the Cyrillic caption as it is only under a UTF-8 locale.
export LC_ALL=C.UTF-8
exec xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    set -u
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 "$1" & pid=$!
    trap "kill $pid 2>/dev/null" EXIT
    line=
    for _ in $(seq 600); do
        line=$(xwininfo -root -tree 2>/dev/null | grep "Переходная характеристика" || true)
        [ -n "$line" ] && break
        sleep 0.1
    done
    [ -n "$line" ] || { echo "FAILED: no window appeared"; exit 1; }
    # A child of the root: "id \"caption\": (\"roots\" \"roots\")  WxH+X+Y  +X+Y"
    read -r w h x y < <(sed -E "s/.* ([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+) .*/\1 \2 \3 \4/" <<<"$line")
    echo "window ${w}x${h} at ($x, $y) on 1920x1080"
    if (( w != 1586 || h != 904 )); then echo "FAILED: not twice the designed 793x452"; exit 1; fi
    if (( x < 0 || y < 0 || x + w > 1920 || y + h > 1080 )); then echo "FAILED: off the screen"; exit 1; fi
    # Twice the designed position fits across but not down: x stays.
    if (( x != 304 )); then echo "FAILED: moved across though it fitted"; exit 1; fi
    echo "PASSED"
' placement "$program"
