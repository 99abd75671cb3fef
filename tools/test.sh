#!/usr/bin/env bash
# Builds Quarn with its tests and runs every suite under CTest, plays a game
# with the Orca screen reader listening (tools/orca-check.sh), builds the
# Debian package and checks it with lintian, then builds Quarn again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every suite once
# more. Warnings are errors in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-test -DQUARN_BUILD_TESTS=ON -DQUARN_CHECKED_INDEXES=ON -DQUARN_WERROR=ON >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs")

# A whole game played by keys with the Orca screen reader listening, checked
# for what Orca says. On its own, after the suites: its keys wait for Orca,
# and a machine busy with other suites would only make that slower. 77: Orca
# cannot start here, and the check's one line says why.
orca=0
tools/orca-check.sh -o build-test/orca-check build-test/quarn || orca=$?
[ "$orca" -eq 0 ] || [ "$orca" -eq 77 ] || exit "$orca"

# The suites have just run, so the package is built without them.
tools/package-check.sh

cmake -S . -B build-asan -DQUARN_BUILD_TESTS=ON -DQUARN_SANITIZE=ON -DQUARN_CHECKED_INDEXES=ON -DQUARN_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs")
