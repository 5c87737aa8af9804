#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# Start-up to the first painted window, and peak resident memory, of the
# program, of the least Qt Widgets window (bare_window), of that window with
# one label (bare_text_window: the floor for any window showing text) and of
# gnuplot plotting the same six roots in its Qt and its X11 terminal, each
# started ROUNDS times in turn under one Xvfb. Prints the medians and the
# ratios to the bare window.
#   bench/startup.sh BUILDDIR [ROUNDS]
set -euo pipefail

build=$(readlink -f "${1:?usage: bench/startup.sh BUILDDIR [ROUNDS]}")
rounds=${2:-21}
here=$(dirname "$(readlink -f "$0")")
watch=$build/bench/window_watch

names=(roots bare_window bare_text_window gnuplot_qt gnuplot_x11)
declare -A command_line=(
    [roots]="$build/shell/roots"
    [bare_window]="$build/bench/bare_window"
    [bare_text_window]="$build/bench/bare_text_window"
    [gnuplot_qt]="gnuplot -e terminal='qt' $here/six_roots.gp"
    [gnuplot_x11]="gnuplot -e terminal='x11' $here/six_roots.gp"
)
for name in "${names[@]}"; do
    read -r exe _ <<<"${command_line[$name]}"
    command -v "$exe" >/dev/null || { echo "startup.sh: $exe not found; build first" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb writes its display number to the pipe once it accepts clients, so the
# read below returns exactly when it is ready.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r display <"$work/display"
export DISPLAY=:$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

measure() {
    # shellcheck disable=SC2086  # the command is a program and its arguments
    "$watch" ${command_line[$1]}
}

# One unrecorded start each, so that every recorded one finds the libraries
# and fonts in the page cache.
for name in "${names[@]}"; do
    measure "$name" >/dev/null
done
# Rounds interleave the programs, so that a busy moment of the machine
# touches all of them alike.
for ((round = 1; round <= rounds; round++)); do
    for name in "${names[@]}"; do
        measure "$name" >>"$work/$name"
    done
done

field() { # FIELD FILE: the field's value in each round
    sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2"
}
spread() { # the median and the quartiles of the numbers read, one per line
    sort -g | awk '{ v[NR] = $1 }
        END { print ((NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2), v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)] }'
}
median() { # FIELD FILE
    field "$1" "$2" | spread | cut -d' ' -f1
}

declare -A map paint rss
for name in "${names[@]}"; do
    map[$name]=$(median map_ms "$work/$name")
    paint[$name]=$(median paint_ms "$work/$name")
    rss[$name]=$(median peak_rss_kib "$work/$name")
done

echo "Start-up under Xvfb, medians of $rounds rounds ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-16s %9s %11s %14s %12s %10s\n' program "map ms" "painted ms" "peak RSS MiB" "time/bare" "RSS/bare"
for name in "${names[@]}"; do
    awk -v n="$name" -v m="${map[$name]}" -v p="${paint[$name]}" -v r="${rss[$name]}" \
        -v bp="${paint[bare_window]}" -v br="${rss[bare_window]}" \
        'BEGIN { printf "%-16s %9.1f %11.1f %14.1f %12.2f %10.2f\n", n, m, p, r / 1024, p / bp, r / br }'
done
# The host's speed drifts between rounds, which moves the medians of whole
# runs by a fifth or more; the ratio within each round cancels that drift,
# so its median and quartiles are printed as well.
round_ratios() { # OTHER
    paste <(field paint_ms "$work/roots") <(field paint_ms "$work/$1") | awk '{ print $1 / $2 }' | spread
}
for other in bare_text_window gnuplot_qt gnuplot_x11; do
    read -r ratio low high <<<"$(round_ratios "$other")"
    awk -v o="$other" -v p="${paint[roots]}" -v r="${rss[roots]}" -v op="${paint[$other]}" -v orss="${rss[$other]}" \
        -v m="$ratio" -v l="$low" -v h="$high" \
        'BEGIN { printf "roots / %s: time %.2f, peak RSS %.2f; time round by round %.2f (quartiles %.2f-%.2f)\n", o, p / op, r / orss, m, l, h }'
done
