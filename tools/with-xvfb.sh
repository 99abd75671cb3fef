#!/usr/bin/env bash
# Runs a command on a virtual X display of its own and ends the display with
# it: the one way the scripts and tests here get a screen. The display number
# is picked by Xvfb itself, so runs side by side never collide.
#
#   tools/with-xvfb.sh [-s WIDTHxHEIGHT] COMMAND [ARGS...]
#
# The command sees DISPLAY and QUARN_XVFB=1 (so that a script can re-run
# itself under this one when started without it). Exits with the command's
# status, or 77 when Xvfb is missing, which CTest counts as skipped.
set -euo pipefail
size=1280x1024
if [ "${1:-}" = "-s" ]; then size=$2; shift 2; fi
[ $# -ge 1 ] || { sed -n '2,10p' "$0"; exit 2; }
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb not found (tools/setup-deps.sh installs it)"; exit 77; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarn-xvfb.XXXXXX")
# -noreset: otherwise the server resets whenever its last client leaves, and
# a program that connects during the reset fails to start. -r: keys never
# repeat, as a script's key, pressed and let go at once, can still be held
# down past the repeat delay when the machine stalls, and its repeat would be
# a key the script never pressed.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset -r 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { echo "Xvfb did not start:" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$tmp/display")" QUARN_XVFB=1
unset QT_QPA_PLATFORM # the program is to draw on this display, not offscreen
status=0
"$@" || status=$?
exit "$status"
