#!/usr/bin/env bash
# Builds Quarn with its tests and runs every suite under CTest, builds the
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

# The suites have just run, so the package is built without them.
tools/package-check.sh

cmake -S . -B build-asan -DQUARN_BUILD_TESTS=ON -DQUARN_SANITIZE=ON -DQUARN_CHECKED_INDEXES=ON -DQUARN_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs")
