#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree and checks it:
# lintian must report no error and no warning, the installed desktop entry and
# software-centre entry must validate without a warning, and the package's
# version must be the one the program reports.
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
changes=$tmp/quarn_${version}_$arch.changes
[ -f "$deb" ] || fail "no $(basename "$deb") was built"
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
echo "package check passed"
