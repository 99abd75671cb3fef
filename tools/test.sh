#!/usr/bin/env bash
# Builds Quarn with its tests and runs every suite under CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh
cmake -S . -B build-test -DQUARN_BUILD_TESTS=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
