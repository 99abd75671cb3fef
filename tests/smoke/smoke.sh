#!/usr/bin/env bash
# Runs the real program on a virtual X display and drives it from outside, the
# way a player would: press "Play Game" on a fresh main menu with nothing set
# up, answer the three boxes that say what is missing, then leave through
# File > Exit; then start it again and leave with F1 and Ctrl+Q, keys alone.
# Catches what the in-process widget tests cannot: a program that does not
# start from its data files, a button that a real mouse click does not reach,
# boxes that never show or never go away, a menu or a shortcut that does not
# end the program.
#
#   tests/smoke/smoke.sh <quarn binary> <data dir> [<folder for the screenshot>]
#
# Exits 77 (skipped) when Xvfb or xdotool is missing. Runs itself on a display
# of its own (tools/with-xvfb.sh).
set -euo pipefail

program=${1:?usage: smoke.sh <quarn binary> <data dir> [<screenshot folder>]}
data=${2:?usage: smoke.sh <quarn binary> <data dir> [<screenshot folder>]}
shots=${3:-.}
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

command -v xdotool >/dev/null || { echo "SKIP: xdotool not found (tools/setup-deps.sh installs it)"; exit 77; }
# A display of our own.
[ -n "${QUARN_XVFB:-}" ] || exec bash "$(dirname "$0")/../../tools/with-xvfb.sh" bash "$0" "$@"

# The main menu's client area as the program lays it out, in pixels: the menu
# bar sits above it, so its height is whatever the window has on top of this.
client_height=373
play_x=92 play_y=330 # the middle of "Play Game" (x 8..177, y 304..355)

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarn-smoke.XXXXXX")
program_pid=''
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT

die() {
    echo "FAIL: $*" >&2
    if [ -s "$tmp/program.log" ]; then
        echo "--- what the program printed:" >&2
        cat "$tmp/program.log" >&2
    fi
    exit 1
}

# Polls a command every tenth of a second until it succeeds or the time (in
# seconds) is up; fails the test at once if the program has ended meanwhile.
poll() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while :; do
        "$@" && return 0
        if [ -n "$program_pid" ] && ! kill -0 "$program_pid" 2>/dev/null; then
            die "the program ended unexpectedly"
        fi
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# --- the program, in a working folder of its own ----------------------------
work=$tmp/work
mkdir -p "$work" "$tmp/home" "$tmp/runtime"
chmod 700 "$tmp/runtime"
for f in "$data"/*; do
    case $(basename "$f") in LICENSE* | *.md) continue ;; esac
    cp "$f" "$work/"
done
(cd "$work" && exec env HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" "$program") \
    >"$tmp/program.log" 2>&1 &
program_pid=$!

# Qt keeps a 1x1 helper window with the program's name; the menu is the other.
main=''
find_main() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Quarn$' 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
        eval "$geometry"
        if [ "$WIDTH" -gt 1 ] && [ "$HEIGHT" -gt "$client_height" ]; then main=$id; return 0; fi
    done
    return 1
}
poll 15 find_main || die "the main menu window titled Quarn did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - client_height))
if [ "$menu_bar" -lt 10 ] || [ "$menu_bar" -gt 60 ]; then
    die "the main menu is ${WIDTH}x$HEIGHT, which leaves no sensible room for a menu bar"
fi

# --- "Play Game" with nothing set up: three boxes, one after another --------
# Prints the boxes on screen now, "id width" a line: windows titled Quarn, other
# than the menu, of the size of a message box (menus and helpers are smaller).
boxes() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Quarn$' 2>/dev/null); do
        [ "$id" = "$main" ] && continue
        geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
        eval "$geometry"
        if [ "$WIDTH" -ge 150 ] && [ "$WIDTH" -le 900 ] && [ "$HEIGHT" -ge 60 ] && [ "$HEIGHT" -le 400 ]; then
            echo "$id $WIDTH"
        fi
    done
}
box='' box_width=''
seen=' '
new_box_shown() {
    local list
    list=$(boxes)
    [ "$(wc -l <<<"$list")" -eq 1 ] && [ -n "$list" ] || return 1
    read -r box box_width <<<"$list"
    [[ $seen != *" $box "* ]]
}
box_gone() { ! boxes | grep -q "^$box "; }
any_box() { [ -n "$(boxes)" ]; }

xdotool windowfocus "$main" 2>/dev/null || true
xdotool mousemove --window "$main" "$play_x" $((menu_bar + play_y)) sleep 0.1 click 1

widths=()
for k in 1 2 3; do
    poll 10 new_box_shown || die "box $k of 3 did not appear after pressing Play Game (on screen: $(boxes | wc -l))"
    widths+=("$box_width")
    seen+="$box "
    if [ "$k" -eq 1 ]; then
        if command -v import >/dev/null; then
            import -window root "$shots/smoke-first-box.png" && echo "screenshot of the first box: $shots/smoke-first-box.png"
        else
            echo "note: no screenshot, ImageMagick's import not found"
        fi
    fi
    xdotool windowfocus "$box" 2>/dev/null || true
    xdotool key Return
    poll 10 box_gone || die "box $k stayed on screen after Return"
done
# A fourth box would follow at once; give it a moment to show.
if poll 1 any_box; then die "a box is still on screen after the third was answered"; fi

# Each box is sized to its text, and the three texts differ in length:
#   "You haven't selected the game you want to play"  longest, first
#   "You haven't selected the game time"               shortest, second
#   "You haven't entered any players names"            in between, third
echo "box widths in order: ${widths[*]}"
if [ "${widths[0]}" -le "${widths[2]}" ] || [ "${widths[2]}" -le "${widths[1]}" ]; then
    die "the boxes came in the wrong order or with the wrong texts (widths ${widths[*]})"
fi

# --- File > Exit ends the program by itself --------------------------------
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
before=$(visible_windows)
popup=''
menu_opened() {
    popup=$(comm -13 <(echo "$before") <(visible_windows) | head -n 1)
    [ -n "$popup" ]
}
# Qt opens the menu bar's menus only for the active window, and a menu takes
# a click only after the pointer has moved over its item.
xdotool windowfocus "$main" 2>/dev/null || true
xdotool mousemove --window "$main" 200 200 sleep 0.1 mousemove --window "$main" 18 $((menu_bar / 2)) sleep 0.1 click 1
poll 5 menu_opened || die "the File menu did not open"
eval "$(xdotool getwindowgeometry --shell "$popup")"
item_y=$((HEIGHT < 30 ? HEIGHT / 2 : 11)) # Exit is the first item
xdotool mousemove --window "$popup" 10 "$item_y" sleep 0.1 mousemove --window "$popup" 40 "$item_y" sleep 0.1 click 1

ended() { ! kill -0 "$program_pid" 2>/dev/null; }
# The program ends within ten seconds, and cleanly.
expect_exit() { # what made it end
    local deadline=$((SECONDS + 10)) status=0
    until ended || [ $SECONDS -ge $deadline ]; do sleep 0.1; done
    ended || die "the program did not end after $1"
    wait "$program_pid" || status=$?
    program_pid=''
    [ "$status" -eq 0 ] || die "the program ended with status $status after $1"
}
expect_exit "File > Exit"

# --- again, from the keyboard: F1, then Ctrl+Q in the instructions ----------
# Nothing but keys, sent to whatever window has the keyboard: the main menu
# takes it as it appears, the instructions as they open.
(cd "$work" && exec env HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" "$program") \
    >"$tmp/program.log" 2>&1 &
program_pid=$!
main=''
poll 15 find_main || die "the main menu did not appear the second time"
sleep 0.5
xdotool key F1
instructions_shown() { [ -n "$(xdotool search --onlyvisible --name '^Instructions$' 2>/dev/null)" ]; }
poll 10 instructions_shown || die "F1 did not open the instructions"
sleep 0.5
xdotool key ctrl+q
expect_exit "Ctrl+Q in the instructions"
echo "smoke test passed"
