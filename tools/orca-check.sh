#!/usr/bin/env bash
# Plays a whole game of Anagrams by keys alone, as a blind player would, with
# Debian's screen reader Orca listening, and records what Orca says.
#
#   tools/orca-check.sh [-o OUT_DIR] [-s DRIVER_SCRIPT] [QUARN_BINARY]
#
# Everything runs on this machine with no one at it: a virtual X display of its
# own (tools/with-xvfb.sh), a private D-Bus session with the accessibility bus,
# the openbox window manager, Orca with a debug file, and the program on Qt's
# xcb platform (the offscreen one has no accessibility bridge), driven with
# xdotool. Orca's lines "SPEECH OUTPUT: '...'" are what it would have said.
# The driver (tools/orca_play.py unless -s names another) writes speech.txt,
# the spoken lines step by step, into OUT_DIR (default: a folder under /tmp,
# named at the end), beside Orca's whole debug file and the program's output.
#
# Exits 77 (skipped) with one line saying why when Orca, the window manager,
# the accessibility bus or Xvfb is missing or Orca cannot start, and 1 when a
# check of what Orca said fails.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

out='' driver=$here/orca_play.py
while getopts o:s: option; do
    case $option in
    o) out=$OPTARG ;;
    s) driver=$OPTARG ;;
    *) sed -n '2,18p' "$0"; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
program=${1:-$here/../build/quarn}

skip() { echo "SKIP: $*"; exit 77; }

# --- what the run needs --------------------------------------------------------
if [ -z "${QUARN_ORCA_STAGE:-}" ]; then
    [ -x "$program" ] || { echo "FAIL: no program at $program (build it first)" >&2; exit 1; }
    command -v orca >/dev/null || skip "Orca is not installed (apt-get install orca)"
    command -v openbox >/dev/null || skip "openbox is not installed (apt-get install openbox)"
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing (apt-get install dbus-daemon)"
    [ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is missing (apt-get install at-spi2-core)"
    command -v xdotool >/dev/null || skip "xdotool is missing (tools/setup-deps.sh installs it)"
    # Debian's own Python, where Orca's bindings are (not one a version manager puts first).
    python=/usr/bin/python3
    [ -x "$python" ] || python=$(command -v python3)
    "$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing (it comes with orca)"
    program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
    if [ -z "$out" ]; then out=$(mktemp -d "${TMPDIR:-/tmp}/quarn-orca.XXXXXX"); fi
    mkdir -p "$out"
    out=$(cd "$out" && pwd)
    export QUARN_ORCA_OUT=$out QUARN_ORCA_PROGRAM=$program QUARN_ORCA_DRIVER=$driver QUARN_ORCA_PYTHON=$python
    # "orca --replace" kills every other Orca of this user, and Orca will not
    # start beside one: in a process namespace of its own the run sees and
    # ends only its own. Without one, an Orca already running (someone's
    # screen reader) is left alone and the run is skipped.
    if unshare --pid --fork --mount-proc true 2>/dev/null; then
        exec env QUARN_ORCA_STAGE=display unshare --pid --fork --kill-child --mount-proc bash "$0"
    fi
    if pgrep -x orca >/dev/null; then skip "another Orca is running for this user, and this run would have to end it"; fi
    exec env QUARN_ORCA_STAGE=display bash "$0"
fi

case $QUARN_ORCA_STAGE in
display) exec env QUARN_ORCA_STAGE=bus bash "$here/with-xvfb.sh" bash "$0" ;;
bus)
    # The session bus reports each service it starts; no part of the result.
    exec env QUARN_ORCA_STAGE=session dbus-run-session -- bash "$0" 2> >(grep -v '^dbus-daemon\[' >&2)
    ;;
session) ;;
*) echo "unknown stage $QUARN_ORCA_STAGE" >&2; exit 2 ;;
esac

# --- inside the display and the D-Bus session ----------------------------------
out=$QUARN_ORCA_OUT
tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarn-orca-home.XXXXXX")
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    # Orca's own shutdown can stall; it gets three seconds.
    for _ in $(seq 60); do
        alive=false
        for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=true; done
        $alive || break
        sleep 0.05
    done
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT

# A home of its own: Orca starts from its defaults (no settings of whoever runs
# this), and nothing is left behind.
export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LANGUAGE=en

# Polls a command every 50 ms for at most the given seconds.
poll() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    for ((; tries > 0; tries--)); do
        "$@" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}

# The accessibility bus, on which the program and Orca meet. Started here
# rather than by D-Bus activation so that it, and the registry it starts, talk
# into a log of their own; the poll asks for the name without activating it,
# or a second launcher would race this one.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/at-spi.log" 2>&1 &
pids+=($!)
disown $!
a11y_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
}
poll 10 a11y_bus || skip "the accessibility bus (org.a11y.Bus) did not start"
# GTK programs ask this; Qt asks the bus, where Orca says that it runs.
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true

openbox >"$out/openbox.log" 2>&1 &
pids+=($!)
disown $!
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
poll 10 wm_up || skip "the openbox window manager did not start"

debug=$out/orca-debug.out
: >"$debug"
# Orca runs the file orca-customizations.py of its settings folder as it
# starts. Here it does two things. Orca writes its debug file through an 8 KB
# buffer, so its last lines could wait there for as long as it has nothing more
# to say: the file becomes line-buffered, each line there to read as soon as it
# is written. And each time Orca silences what it is saying (at a key press,
# when a window loses the focus), the file gets a line "SPEECH STOPPED", so that
# the record shows which words a player would not have heard to the end.
mkdir -p "$XDG_DATA_HOME/orca"
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PY'
import orca.debug
import orca.speech

if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)

_stop = orca.speech.stop


def _logged_stop():
    orca.debug.println(orca.debug.LEVEL_INFO, "SPEECH STOPPED", True)
    _stop()


orca.speech.stop = _logged_stop
PY
# No speech server: Orca writes every utterance to its debug file all the same
# ("SPEECH: Not available" in the file). Orca's speech-dispatcher client would
# otherwise start one, which here finds no sound device and refuses, and on a
# desktop with sound would read the whole game aloud.
SPEECHD_CMD=/bin/false orca --replace --debug-file="$debug" >"$out/orca.log" 2>&1 &
orca_pid=$!
pids+=("$orca_pid")
disown "$orca_pid" # its end by SIGKILL below is no news
orca_up() { grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$debug"; }
orca_alive() { kill -0 "$orca_pid" 2>/dev/null; }
started=false
for _ in $(seq 600); do # 30 s
    if orca_up; then started=true; break; fi
    orca_alive || break
    sleep 0.05
done
if ! $started; then
    reason=$(grep -v '^\s*$' "$out/orca.log" | tail -n 1)
    skip "Orca did not start${reason:+: $reason} (see $out)"
fi

status=0
"$QUARN_ORCA_PYTHON" "$QUARN_ORCA_DRIVER" --program "$QUARN_ORCA_PROGRAM" --data "$here/../data" \
    --debug-file "$debug" --out "$out" || status=$?
echo "Orca's debug file, the spoken lines and the program's output are in $out"
exit "$status"
