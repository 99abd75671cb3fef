#!/usr/bin/env bash
# Builds the Debian packages from a clean copy of the tree and checks them:
# lintian must report no error and no warning, the installed desktop entry and
# software-centre entry must validate without a warning, the package's
# version must be the one the program reports, and quarn-words must carry a
# whole word pack for every language of tools/make_pack.py.
#
#   tools/package-check.sh [--with-tests] [--keep DIR]
#
# By default the package is built without running the test suites
# (DEB_BUILD_OPTIONS=nocheck), for tools/test.sh has just run them all;
# --with-tests builds it the way a player's machine would, suites included.
# --keep copies the built .deb files into DIR. The source tree is left alone:
# dpkg-buildpackage writes into the tree and its parent folder, so the build
# runs in a temporary copy. Installs what the build needs when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD

with_tests=0 keep=''
while [ $# -gt 0 ]; do
    case $1 in
        --with-tests) with_tests=1 ;;
        --keep) keep=${2:?--keep needs a folder}; shift ;;
        *) echo "usage: $0 [--with-tests] [--keep DIR]" >&2; exit 2 ;;
    esac
    shift
done
if [ -n "$keep" ]; then mkdir -p "$keep" && keep=$(cd "$keep" && pwd); fi

tools/setup-deps.sh

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarn-package.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# --- a clean copy: the files git knows of, as they are in the work tree ----
copy=$tmp/quarn
mkdir "$copy"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf - | tar -xf - -C "$copy"
else
    tar --exclude='./build*' --exclude=./run --exclude=./Testing -cf - . | tar -xf - -C "$copy"
fi

# --- the version: the changelog, CMake and the About window agree ----------
version=$(cd "$copy" && dpkg-parsechangelog -SVersion)
cmake_version=$(sed -n 's/^project(Quarn VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$version" = "$cmake_version" ] ||
    fail "debian/changelog says $version, CMakeLists.txt says $cmake_version"
grep -rqF "\"Version $version\"" src/ui ||
    fail "the About window does not say Version $version"

# --- build -----------------------------------------------------------------
profile=()
options="parallel=2"
if [ "$with_tests" -eq 0 ]; then
    profile=(-Pnocheck)
    options+=" nocheck"
fi
if ! (cd "$copy" && dpkg-checkbuilddeps "${profile[@]}" 2>/dev/null); then
    echo "Installing the package's build dependencies"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    (cd "$copy" && DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" \
        apt-get build-dep -y -qq --no-install-recommends "${profile[@]}" ./)
fi

started=$SECONDS
echo "Building the package in $copy (DEB_BUILD_OPTIONS=\"$options\")"
if ! (cd "$copy" && DEB_BUILD_OPTIONS=$options dpkg-buildpackage -b -us -uc "${profile[@]}") \
    >"$tmp/build.log" 2>&1; then
    tail -n 60 "$tmp/build.log" >&2
    fail "dpkg-buildpackage failed"
fi
echo "Built in $((SECONDS - started)) s:"
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
deb=$tmp/quarn_${version}_$arch.deb
words_deb=$tmp/quarn-words_${version}_all.deb
changes=$tmp/quarn_${version}_$arch.changes
[ -f "$deb" ] || fail "no $(basename "$deb") was built"
[ -f "$words_deb" ] || fail "no $(basename "$words_deb") was built"
ls -1 "$tmp"/*.deb
if [ "$with_tests" -eq 1 ]; then
    grep -E 'tests passed|tests failed' "$tmp/build.log" || fail "the test suites did not run"
fi
if [ -n "$keep" ]; then cp "$tmp"/*.deb "$keep"/; fi

# --- lintian ---------------------------------------------------------------
echo "lintian:"
lintian --display-info --fail-on error,warning "$changes" || fail "lintian found errors or warnings"

# --- what the package installs ---------------------------------------------
root=$tmp/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/io.github.quarn.Quarn.desktop" ||
    fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.quarn.Quarn.metainfo.xml" \
    >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log"; fail "appstreamcli rejects the metainfo"; }
cat "$tmp/appstream.log"
! grep -q '^[EW]:' "$tmp/appstream.log" || fail "appstreamcli warns about the metainfo"

# --- the word packs: every language of the pack tool, whole ------------------
dpkg-deb -f "$deb" Recommends | grep -qw quarn-words || fail "quarn does not recommend quarn-words"
[ ! -e "$root/usr/share/quarn/packs" ] || fail "the quarn package carries word packs"
built_using=$(dpkg-deb -f "$words_deb" Built-Using)
echo "quarn-words Built-Using: $built_using"
words_root=$tmp/words-root
dpkg-deb -x "$words_deb" "$words_root"
packs=$words_root/usr/share/quarn/packs
languages=$(python3 tools/make_pack.py --languages)
pack_files=(dictionary.dic anagrams1.dic crossword1.dic anagrams1_used.dat crossword1_used.dat
            anagrams.hi crosswords.hi mixnmatch.hi worddrop.hi letters.dat language.dat)
[ "$(ls "$packs" | sort | paste -sd' ')" = "$(tr ' ' '\n' <<<"$languages" | sort | paste -sd' ')" ] ||
    fail "quarn-words carries the packs $(ls "$packs" | paste -sd' '), not $languages"
for code in $languages; do
    for f in "${pack_files[@]}"; do
        [ -s "$packs/$code/$f" ] || fail "quarn-words has no $code/$f"
    done
    for f in "$packs/$code"/LICENSE.*; do
        [ -s "$f" ] || fail "quarn-words has no licence in $code"
        grep -qF "${f##*/LICENSE.} (= " <<<"$built_using" ||
            fail "Built-Using does not name ${f##*/LICENSE.}, a source of the $code pack"
    done
    for f in anagrams1.dic crossword1.dic; do
        [ "$(wc -l <"$packs/$code/$f")" -eq 1000 ] || fail "$code/$f does not hold 1000 lines"
    done
    items=$(wc -l <"$packs/$code/dictionary.dic")
    [ "$items" -le 500000 ] || fail "$code/dictionary.dic holds $items items, more than the program reads"
    [ "$(tail -n 1 "$packs/$code/dictionary.dic")" = $'999\r' ] || fail "$code/dictionary.dic does not end with 999"
    cmp -s "$packs/$code/anagrams.hi" data/anagrams.hi || fail "$code/anagrams.hi is not an empty table"
    printf '  %s: %s, %s words, %s\n' "$code" "$(cat "$packs/$code/language.dat" | tr -d '\r')" \
        "$((items - 1))" "$(du -sh "$packs/$code" | cut -f1)"
done
echo "package check passed"
