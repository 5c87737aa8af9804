#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# Checks the built Debian package the way a fresh machine would meet it:
# unpacks it into a scratch root, checks that every dependency it declares is
# installed or installable and that the project is its maintainer, validates
# the installed desktop files and copyright file, starts the installed program
# under Xvfb until its main window shows, and starts it again as a native
# Wayland client of Weston (headless), where it must show its window and end
# with status 0 when the compositor closes it.
#   packaging/check.sh BUILD_DIR
set -euo pipefail

here=$(dirname "$(readlink -f "$0")")
build_dir=${1:?usage: packaging/check.sh BUILD_DIR}
caption="Переходная характеристика"
start_timeout=60

fail() {
    echo "check: FAILED: $*" >&2
    exit 1
}

# The newest package wins when older versions are still lying around.
deb=$(ls -t "$build_dir"/roots_*.deb 2>/dev/null | head -n 1 || true)
[ -n "$deb" ] || fail "no roots_*.deb in $build_dir (run ./dev package first)"
echo "check: $deb"
dpkg-deb -I "$deb"

# version_ok HAVE OP WANT: OP is empty when the dependency names no version.
version_ok() {
    [ -z "$2" ] || dpkg --compare-versions "$1" "$2" "$3"
}

# Prints how one alternative "name (op version)" is met: installed,
# installable, or nothing when neither.
alternative_state() {
    local name op="" want="" have candidate
    if [[ $1 =~ ^([^[:space:]\(]+)[[:space:]]*(\(([<>=]+)[[:space:]]*([^\)]+)\))?$ ]]; then
        name=${BASH_REMATCH[1]} op=${BASH_REMATCH[3]} want=${BASH_REMATCH[4]}
    else
        fail "cannot read dependency '$1'"
    fi
    have=$(dpkg-query -W -f '${db:Status-Abbrev} ${Version}' "$name" 2>/dev/null || true)
    if [[ $have == "ii "* ]] && version_ok "${have#ii }" "$op" "$want"; then
        echo installed
        return
    fi
    candidate=$(apt-cache policy "$name" 2>/dev/null | awk '/Candidate:/ { print $2 }')
    if [ -n "$candidate" ] && [ "$candidate" != "(none)" ] && version_ok "$candidate" "$op" "$want"; then
        echo installable
    fi
}

# The package answers to the project, not to a person.
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ $maintainer == "The Roots developers <"*">" ]] || fail "the maintainer is not the project: $maintainer"

depends=$(dpkg-deb -f "$deb" Depends)
for required in libqt6widgets6 fonts-liberation2 fonts-dejavu-core; do
    [[ ", $depends," == *", $required"[\ ,]* ]] || fail "Depends does not name $required: $depends"
done

unmet=0
IFS=',' read -ra groups <<< "$depends"
for group in "${groups[@]}"; do
    group=$(echo "$group" | xargs)
    state=""
    IFS='|' read -ra alternatives <<< "$group"
    for alternative in "${alternatives[@]}"; do
        state=$(alternative_state "$(echo "$alternative" | xargs)")
        [ -n "$state" ] && break
    done
    if [ -n "$state" ]; then
        echo "check: depends $group: $state"
    else
        echo "check: depends $group: NOT AVAILABLE" >&2
        unmet=1
    fi
done
[ "$unmet" -eq 0 ] || fail "some dependencies can be neither found installed nor installed"
# Without Qt's Wayland platform the program still runs on a Wayland desktop,
# but through XWayland.
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ ", $recommends," == *", qt6-wayland"[\ ,]* ]] || fail "Recommends does not name qt6-wayland: $recommends"
echo "check: recommends $recommends"
# apt resolves the whole tree, as `apt install ./roots_*.deb` would, without
# changing the system.
apt-get install --simulate -qq "$(readlink -f "$deb")" >/dev/null \
    || fail "apt cannot install the package with its dependencies"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"
echo "check: unpacked into $root:"
(cd "$root" && find . -type f | sort)

program=$root/usr/bin/roots
desktop=$root/usr/share/applications/roots.desktop
[ -x "$program" ] || fail "no program at /usr/bin/roots"
[ -f "$desktop" ] || fail "no desktop entry at /usr/share/applications/roots.desktop"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/roots.svg" ] || fail "no icon"
grep -qx 'Exec=roots' "$desktop" || fail "the desktop entry does not start roots"
copyright=$root/usr/share/doc/roots/copyright
[ -f "$copyright" ] || fail "no copyright file at /usr/share/doc/roots/copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "the copyright file is not in the machine-readable format"
grep -qx 'License: MIT' "$copyright" || fail "the copyright file does not name the MIT licence"
desktop-file-validate "$desktop"
appstreamcli validate-tree --no-net "$root"

missing=$(ldd "$program" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries not found: $missing"

# The offscreen platform would start without any X connection; the real
# xcb platform is what a user gets.
echo "check: starting $program under Xvfb"
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$here/wait_for_window.sh" "$start_timeout" "$caption" "$program" \
    || fail "the installed program did not show its window"

echo "check: starting $program under Weston as a Wayland client"
QT_QPA_PLATFORM=wayland "$here/with_weston.sh" \
    "$here/wayland_window.py" "$start_timeout" "$caption" "$program" \
    || fail "the installed program did not show its window on Wayland or did not end on a close"
echo "check: passed"
