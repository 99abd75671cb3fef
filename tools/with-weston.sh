#!/usr/bin/env bash
# Runs a command on a headless Wayland compositor of its own (weston) and ends
# the compositor with it: how the window tests run with Qt's Wayland backend,
# as tools/with-xvfb.sh runs them on X11.
#
#   tools/with-weston.sh COMMAND [ARGS...]
#
# The command sees WAYLAND_DISPLAY, an XDG_RUNTIME_DIR of its own,
# QT_QPA_PLATFORM=wayland and no DISPLAY. Exits with the command's status, or
# 77 when weston, its headers or Qt's Wayland backend are missing, which CTest
# counts as skipped.
#
# The headless backend has no seat, so no window would ever get the keyboard:
# tools/weston-seat.c, built here, gives it one. The shell's animations are
# off, so that the keyboard moves on as soon as a window closes rather than
# when its fade has ended, and an idle time of 0 keeps the screen from locking.
set -euo pipefail
[ $# -ge 1 ] || { sed -n '2,16p' "$0"; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIP: $* (tools/setup-deps.sh installs it)"; exit 77; }
command -v weston >/dev/null || skip "weston not found"
libweston=$(pkg-config --list-package-names 2>/dev/null | grep -m 1 '^libweston-[0-9]*$' || true)
[ -n "$libweston" ] || skip "libweston's headers not found"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || true)
compgen -G "$plugins/platforms/libqwayland-*.so" >/dev/null || skip "Qt's Wayland backend (qt6-wayland) not found"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarn-weston.XXXXXX")
weston_pid=''
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

cc -shared -fPIC -o "$tmp/seat.so" "$here/weston-seat.c" $(pkg-config --cflags --libs "$libweston" wayland-server)
cat >"$tmp/weston.ini" <<'EOF'
[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
EOF
runtime=$tmp/runtime
mkdir -m 700 "$runtime"
socket=wayland-quarn
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --config="$tmp/weston.ini" --modules="$tmp/seat.so" --log="$tmp/weston.log" &
weston_pid=$!
for _ in $(seq 200); do [ -S "$runtime/$socket" ] && break; sleep 0.05; done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start:" >&2
    cat "$tmp/weston.log" >&2
    exit 1
fi
unset DISPLAY
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
status=0
"$@" || status=$?
exit "$status"
