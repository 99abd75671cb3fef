#!/usr/bin/env bash
# Measures the real program under Xvfb: start-up to the main menu on screen,
# peak memory, and CPU use while a turn waits for a click. A bare Qt widget
# program is started the same way in the same rounds, as the floor.
# Usage: tools/bench/desktop_bench.sh path/to/quarn [runs] [path/to/quarn_bare_qt]
set -euo pipefail
quarn=$(realpath "$1")
runs=${2:-10}
bare=$(realpath "${3:-$(dirname "$quarn")/tools/bench/quarn_bare_qt}")
root=$(cd "$(dirname "$0")/../.." && pwd)
# A display of our own.
[ -n "${QUARN_XVFB:-}" ] || exec bash "$root/tools/with-xvfb.sh" bash "$0" "$quarn" "$runs" "$bare"
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$work"' EXIT

seed() { # folder [dictionary]
  mkdir -p "$1"
  for f in "$root"/data/*.dic "$root"/data/*.dat "$root"/data/*.hi; do cp "$f" "$1/"; done
  [ -n "${2:-}" ] && cp "$2" "$1/dictionary.dic"
  return 0
}
main_menu_shown() { [ -n "$(xdotool search --onlyvisible --name '^Quarn$' 2>/dev/null)" ]; }
# Starts a program in a folder; sets pid, and elapsed to the milliseconds
# until its main menu (a window titled Quarn) is on screen.
start() { # folder [program]
  local folder=$1 program=${2:-$quarn} t0 t1
  t0=$(date +%s%N)
  (cd "$folder" && exec "$program") >>"$work/quarn.log" 2>&1 &
  pid=$!
  until main_menu_shown; do
    (( $(date +%s%N) - t0 < 20000000000 )) || { echo "the main menu never came up" >&2; exit 1; }
    sleep 0.002
  done
  t1=$(date +%s%N)
  elapsed=$(( (t1 - t0) / 1000000 ))
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

python3 "$root/tools/bench/make_big_dictionary.py" "$work/big.dic"
python3 "$root/tools/bench/make_big_dictionary.py" "$work/big-de-uk.dic" de-uk
seed "$work/shipped"
seed "$work/500000" "$work/big.dic"
seed "$work/500000-de-uk" "$work/big-de-uk.dic"
mkdir -p "$work/bare"
configs=(bare shipped 500000 500000-de-uk)
declare -A times peaks
# All side by side in every round, so that a busy spell on the machine
# falls on all of them alike.
for i in $(seq "$runs"); do
  for config in "${configs[@]}"; do
    if [ "$config" = bare ]; then start "$work/bare" "$bare"; else start "$work/$config"; fi
    times[$config]+="$elapsed "
    sleep 0.5
    peaks[$config]+="$(awk '/VmHWM/ {print $2}' /proc/$pid/status) "
    kill $pid; wait $pid 2>/dev/null || true; pid=
  done
done
for config in "${configs[@]}"; do
  name=$([ "$config" = bare ] && echo "bare Qt program" || echo "Quarn, $config dictionary")
  peak_kb=$(printf '%s\n' ${peaks[$config]} | median)
  [ -f "$work/$config/dictionary.dic" ] && name+=" ($(stat -c %s "$work/$config/dictionary.dic") bytes)"
  echo "$name: start-up median $(printf '%s\n' ${times[$config]} | median) ms over $runs runs (all: ${times[$config]% }); peak memory median $(awk -v k="$peak_kb" 'BEGIN {printf "%.1f", k / 1024}') MB (all, kB: ${peaks[$config]% })"
done

# A turn waiting for a click: Anagrams, whose counter ticks every 51 ms.
folder="$work/idle"; seed "$folder"
start "$folder"
click() { # window-title x y  (client pixels)
  local w pos g
  w=$(xdotool search --name "^$1\$" | while read -r id; do g=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}'); [ "$g" != "1x1" ] && echo "$id"; done | tail -1)
  pos=$(xdotool getwindowgeometry "$w" | awk '/Position/ {print $2}')
  xdotool mousemove $(( ${pos%,*} + $2 )) $(( ${pos#*,} + $3 )) click 1
  sleep 0.3
}
menu_bar=$(( $(xdotool getwindowgeometry "$(xdotool search --onlyvisible --name '^Quarn$' | tail -1)" | awk '/Geometry/ {split($2,a,"x"); print a[2]}') - 373 ))
click Quarn 260 $((260 + menu_bar))          # Anagrams
click Quarn 92 $((272 + menu_bar))           # Enter Player Names
click "Enter names" 150 110; xdotool type Ann; sleep 0.3
click "Enter names" 170 345                  # Exit
click Quarn 92 $((216 + menu_bar))           # Enter length of Game
sleep 0.3
click "Enter Length of Game" 228 264         # Exit: 10 minutes
click Quarn 92 $((329 + menu_bar))           # Play Game
sleep 0.5; xdotool key Return; sleep 1       # "Are you ready Ann"
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
before=$(ticks); sleep 10; after=$(ticks)
hz=$(getconf CLK_TCK)
echo "waiting turn (Anagrams): $(awk -v d=$((after - before)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * d / hz / 10}') % of one core over 10 s"
kill $pid
