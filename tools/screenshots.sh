#!/usr/bin/env bash
# Takes a screenshot of every window of Quarn at one QT_SCALE_FACTOR, so that
# the layouts can be checked by eye: nothing cut off, nothing overlapping.
# Runs the built program under its own Xvfb in a scratch working directory
# seeded from data/, and clicks through the windows with xdotool.
#
#   tools/screenshots.sh OUT_DIR [SCALE] [BUILD_DIR]
#
# SCALE defaults to 1, BUILD_DIR to build (relative to the repository or
# absolute). Writes main_menu, enter_names, game_length, game_screen (an
# Anagrams turn), turn_result (a Mix 'N Match turn), about and instructions,
# each as NAME.png, into OUT_DIR.
set -euo pipefail

[ $# -ge 1 ] || { sed -n '2,12p' "$0"; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
# A display of our own, big enough for the play window at scale 2.
[ -n "${QUARN_XVFB:-}" ] || exec bash "$root/tools/with-xvfb.sh" -s 2560x1700 bash "$0" "$@"
out=$(realpath -m "$1")
scale=${2:-1}
build=${3:-build}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
binary="$build/quarn"
[ -x "$binary" ] || { echo "No program at $binary; build it first (cmake --build $build --target quarn)." >&2; exit 1; }
for tool in xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing; tools/setup-deps.sh installs it." >&2; exit 1; }
done
mkdir -p "$out"

work=$(mktemp -d)
quarn_pid=""
cleanup() {
  if [ -n "$quarn_pid" ]; then kill "$quarn_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for f in "$root"/data/*; do
  case "$(basename "$f")" in LICENSE*|*.md) continue ;; esac
  cp "$f" "$work/"
done

(cd "$work" && QT_SCALE_FACTOR="$scale" exec "$binary" >"$work/quarn.log" 2>&1) &
quarn_pid=$!

# Layout coordinates are pixels at scale 1; the screen's are scaled.
scaled() { awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s + 0.5 }'; }
pause() { sleep "${1:-0.4}"; }

# The visible window with exactly this title, waiting up to 10 s for it.
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "No window \"$1\" appeared." >&2
  exit 1
}

# A window's geometry as W, H, X, Y.
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# Clicks at x, y (layout pixels) of a window; dy shifts down past a menu bar.
click_at() {
  local id=$1 x=$2 y=$3 dy=${4:-0}
  xdotool mousemove --window "$id" "$(scaled "$x")" $(($(scaled "$y") + dy)) click 1
  pause 0.2
}

shot() {
  pause
  import -window "$1" "$out/$2.png"
  echo "$out/$2.png"
}

# The box titled Quarn that is not the main menu.
box() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name '^Quarn$' 2>/dev/null | grep -vx "$menu" | tail -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "No box appeared." >&2
  exit 1
}
answer() { # key to press in the next box
  local id
  id=$(box)
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool mousemove --window "$id" 10 10
  xdotool key --clearmodifiers "$1"
  pause
}

menu=$(window Quarn)
pause 1
# The main menu's client area lies under its menu bar, at the bottom of the window.
geometry "$menu"
menu_bar=$((HEIGHT - $(scaled 373)))
shot "$menu" main_menu

click_at "$menu" 92 272 "$menu_bar" # Enter Player Names
names=$(window "Enter names")
click_at "$names" 168 112 # the red box
xdotool type --delay 50 "Ann"
shot "$names" enter_names
click_at "$names" 172 348 # Exit

set_length() {
  click_at "$menu" 92 216 "$menu_bar" # Enter length of Game
  length=$(window "Enter Length of Game")
  click_at "$length" 220 148 # the slider, which then takes the keys
  xdotool key Home
  pause 0.5
}
set_length
shot "$length" game_length
click_at "$length" 228 264 # Exit

click_at "$menu" 260 260 "$menu_bar" # Anagrams
click_at "$menu" 92 329 "$menu_bar"  # Play Game
answer Return                         # Are you ready Ann
game=$(window "Game Screen")
pause 1.5 # let the counter run down a little
shot "$game" game_screen
click_at "$game" 992 25 # Exit
answer alt+y
menu=$(window Quarn)

set_length
click_at "$length" 228 264
click_at "$menu" 260 316 "$menu_bar" # Mix 'N Match
click_at "$menu" 92 329 "$menu_bar"
answer Return
game=$(window "Game Screen")
# Pressing a cell twice marks it white; a few in the top row, then check.
for cell in 0 1 2 3 4; do
  click_at "$game" $((396 + 48 * cell)) 196
  click_at "$game" $((396 + 48 * cell)) 196
done
click_at "$game" 440 620 # Finished ! Check Word(s)
result=$(window Score)
shot "$result" turn_result
click_at "$result" 344 328 # OK
answer Return              # the next Are you ready
click_at "$game" 992 25
answer alt+y
menu=$(window Quarn)

# Help menu: its first item is Instructions, the second About.
xdotool mousemove --window "$menu" "$(scaled 45)" "$(scaled 10)" click 1
pause
xdotool key Down Return
help=$(window Instructions)
shot "$help" instructions
click_at "$help" 651 588 # OK
xdotool mousemove --window "$menu" "$(scaled 45)" "$(scaled 10)" click 1
pause
xdotool key Down Down Return
about=$(window "About Quarn")
shot "$about" about
click_at "$about" 325 219 # OK
