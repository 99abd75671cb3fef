#!/usr/bin/env bash
# Installs a build tree into a throw-away prefix and checks what a player gets:
# every installed file, the desktop entry and software-centre entry, and the
# launcher, which must seed a fresh data folder, start the program in it and
# leave a player's scores alone on the next start.
#
#   tools/install-check.sh <build dir> [<source dir>]
#
# CMAKE may name the cmake to install with. Runs in a few seconds.
set -euo pipefail

build=${1:?usage: install-check.sh <build dir> [<source dir>]}
source_dir=${2:-$(cd "$(dirname "$0")/.." && pwd)}
cmake=${CMAKE:-cmake}
data_files=(dictionary.dic anagrams1.dic crossword1.dic anagrams1_used.dat crossword1_used.dat
            anagrams.hi crosswords.hi mixnmatch.hi worddrop.hi)

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarn-install.XXXXXX")
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
die() {
    echo "FAIL: $*" >&2
    if [ -s "$tmp/program.log" ]; then
        echo "--- what the launcher and program printed:" >&2
        cat "$tmp/program.log" >&2
    fi
    exit 1
}

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; die "cmake --install failed"; }

# --- every file in its place ------------------------------------------------
libexec=$(sed -n 's/^CMAKE_INSTALL_LIBEXECDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
datadir=$(sed -n 's/^CMAKE_INSTALL_DATADIR:[A-Z]*=//p' "$build/CMakeCache.txt")
: "${libexec:=libexec}" "${bindir:=bin}" "${datadir:=share}"

launcher=$prefix/$bindir/quarn
program=$prefix/$libexec/quarn/quarn
[[ -f $launcher && -x $launcher ]] || fail "launcher $bindir/quarn missing or not executable"
[[ -f $program && -x $program ]] || fail "program $libexec/quarn/quarn missing or not executable"
head -n 1 "$launcher" | grep -qx '#!/bin/sh' || fail "the launcher is not a /bin/sh script"

for f in "${data_files[@]}"; do
    cmp -s "$source_dir/data/$f" "$prefix/$datadir/quarn/data/$f" ||
        fail "$datadir/quarn/data/$f missing or not the shipped file"
done
for f in "$prefix/$datadir/quarn/data"/* "$prefix/$datadir/quarn/data"/.[!.]*; do
    [ -e "$f" ] || continue
    [[ " ${data_files[*]} " == *" $(basename "$f") "* ]] ||
        fail "unexpected file $(basename "$f") in $datadir/quarn/data (the launcher would copy it)"
done

doc=$prefix/$datadir/doc/quarn
cmp -s "$source_dir/data/LICENSE.scowl" "$doc/LICENSE.scowl" || fail "word list licence not installed"
cmp -s "$source_dir/src/ui/fonts/COPYRIGHT-ComicNeue.txt" "$doc/COPYRIGHT-ComicNeue.txt" ||
    fail "font licence not installed"
for f in README.md LICENSE; do
    if [ -f "$source_dir/$f" ]; then cmp -s "$source_dir/$f" "$doc/$f" || fail "$f not installed"; fi
done

# Icons are named after the application id, the name the desktop entry and
# the window give, at every size a desktop asks for.
app_id=io.github.quarn.Quarn
icons=$prefix/$datadir/icons/hicolor
cmp -s "$source_dir/assets/quarn.svg" "$icons/scalable/apps/$app_id.svg" || fail "scalable icon not installed"
for size in 48 64 128 256; do
    cmp -s "$source_dir/assets/icons/quarn-$size.png" "$icons/${size}x$size/apps/$app_id.png" ||
        fail "${size}x$size icon not installed"
    [ "$(identify -format '%wx%h' "$icons/${size}x$size/apps/$app_id.png" 2>/dev/null || echo "${size}x$size")" = "${size}x$size" ] ||
        fail "the ${size}x$size icon is not $size pixels square"
done

# The launcher's manual page, with the folders of this build filled in.
mandir=$(sed -n 's/^CMAKE_INSTALL_MANDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
man_page=$prefix/${mandir:-share/man}/man6/quarn.6
if [ -f "$man_page" ]; then
    ! grep -q '@[A-Z_]*@' "$man_page" || fail "the manual page has a folder left unfilled"
else
    fail "manual page man6/quarn.6 not installed"
fi

desktop=$prefix/$datadir/applications/$app_id.desktop
metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "desktop entry not installed"
[ -f "$metainfo" ] || fail "metainfo not installed"

# --- the desktop entry and the software-centre entry ------------------------
# The entry starts `quarn` from the PATH and shows the icon installed above.
grep -qx 'Exec=quarn' "$desktop" || fail "desktop entry does not run quarn"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not use the icon named after the application id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch the installed desktop entry"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
else
    echo "SKIP: desktop-file-validate not found (package desktop-file-utils); desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
    # The whole tree too: the entry's desktop file and icon must be where it says.
    appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"
else
    echo "SKIP: appstreamcli not found (package appstream); metainfo not validated"
fi

[ "$failures" -eq 0 ] || die "$failures install check(s) failed"

# --- the launcher -----------------------------------------------------------
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
home=$tmp/home
folder=$home/.local/share/quarn

# Waits until the process has become the installed program (the launcher
# execs it) running in the data folder, then gives it a moment to start up
# and checks it is still running. Prints nothing; fails the script otherwise.
expect_program_running() {
    local pid=$1 deadline=$((SECONDS + 15)) exe='' cwd=''
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$pid" 2>/dev/null || die "the launcher or program ended early"
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null || true)
        [ "$exe" = "$(readlink -f "$program")" ] && break
        sleep 0.05
    done
    [ "$exe" = "$(readlink -f "$program")" ] || die "the launcher did not start $program (running: $exe)"
    cwd=$(readlink "/proc/$pid/cwd")
    [ "$cwd" = "$(readlink -f "$folder")" ] || die "the program runs in $cwd, not in the data folder $folder"
    tr '\0' '\n' <"/proc/$pid/cmdline" | tail -n 2 | paste -sd' ' | grep -qx -- '--install-check-argument two words' ||
        die "the launcher did not pass its arguments on"
    sleep 2
    kill -0 "$pid" 2>/dev/null || die "the program ended during start-up in the seeded folder"
}

stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

# A folder that cannot be made: a clear message naming it, and no program.
: >"$tmp/not-a-folder"
set +e
message=$(cd / && XDG_DATA_HOME=$tmp/not-a-folder/share HOME=$home "$launcher" 2>&1 >/dev/null)
status=$?
set -e
[ "$status" -ne 0 ] || die "the launcher succeeded although the data folder could not be made"
grep -qF "$tmp/not-a-folder/share/quarn" <<<"$message" ||
    die "the launcher's message does not name the folder: $message"
[ ! -e "$folder" ] || die "the launcher made a folder under HOME although XDG_DATA_HOME was set"

# First start, with XDG_DATA_HOME set: the folder is made and seeded.
(cd / && exec env XDG_DATA_HOME="$home/.local/share" HOME=/nonexistent "$launcher" --install-check-argument "two words") >>"$tmp/program.log" 2>&1 &
program_pid=$!
expect_program_running "$program_pid"
for f in "${data_files[@]}"; do
    cmp -s "$source_dir/data/$f" "$folder/$f" || fail "data folder not seeded with $f"
done
stop_program
[ "$failures" -eq 0 ] || die "$failures seeding check(s) failed"

# A player's table and a lost file: the table is kept, the lost file comes back.
sed '1s/^""/"Survivor"/; 2s/^0/4321/' "$source_dir/data/anagrams.hi" >"$folder/anagrams.hi"
cp "$folder/anagrams.hi" "$tmp/anagrams.hi.expected"
rm "$folder/mixnmatch.hi"

# Second start, through a link in another folder and with XDG_DATA_HOME unset,
# so the folder comes from HOME: the same folder as before.
mkdir "$tmp/links"
ln -s "$launcher" "$tmp/links/quarn"
(cd / && exec env -u XDG_DATA_HOME HOME="$home" "$tmp/links/quarn" --install-check-argument "two words") >>"$tmp/program.log" 2>&1 &
program_pid=$!
expect_program_running "$program_pid"
stop_program
cmp -s "$tmp/anagrams.hi.expected" "$folder/anagrams.hi" || fail "the player's anagrams.hi was overwritten"
cmp -s "$source_dir/data/mixnmatch.hi" "$folder/mixnmatch.hi" || fail "a missing mixnmatch.hi was not restored"
leftovers=$(find "$folder" -name '*.partial.*')
[ -z "$leftovers" ] || fail "partial copies left in the data folder: $leftovers"

[ "$failures" -eq 0 ] || die "$failures launcher check(s) failed"

# --- the word language of a new player ----------------------------------------
# A new player on a German desktop starts in the German pack; a player who
# has played before keeps the language last chosen. (A pack of its name file
# alone will do: the launcher only looks for it.)
packs=$prefix/$datadir/quarn/packs
if [ ! -d "$packs/de" ]; then mkdir -p "$packs/de" && printf '"Deutsch"\r\n' >"$packs/de/language.dat"; fi
new_home=$tmp/new-home
(cd / && exec env -u XDG_DATA_HOME -u LANGUAGE -u LC_ALL -u LC_MESSAGES HOME="$new_home" LANG=de_AT.UTF-8 "$launcher" --install-check-argument "two words") >>"$tmp/program.log" 2>&1 &
program_pid=$!
folder=$new_home/.local/share/quarn expect_program_running "$program_pid"
told=$(tr '\0' '\n' <"/proc/$program_pid/environ" | sed -n 's/^QUARN_PACKS=//p')
[ "$(readlink -f "$told")" = "$(readlink -f "$packs")" ] || fail "the program is not told where the packs are ($told)"
stop_program
[ "$(cat "$new_home/.local/share/quarn/word_language.dat" 2>/dev/null)" = "$(printf '"de"\r')" ] ||
    fail "a new player on a German desktop does not start in German"
(cd / && exec env -u XDG_DATA_HOME HOME="$home" LANG=de_DE.UTF-8 "$launcher" --install-check-argument "two words") >>"$tmp/program.log" 2>&1 &
program_pid=$!
expect_program_running "$program_pid"
stop_program
[ ! -e "$folder/word_language.dat" ] || fail "a player who has played before was moved to the desktop's language"

[ "$failures" -eq 0 ] || die "$failures word language check(s) failed"
echo "install check passed"
