#!/usr/bin/env bash
# Builds the benchmarks and runs every measurement of BENCHMARKS.md.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/setup-deps.sh
cmake -S . -B build-bench -DQUARN_BUILD_BENCH=ON -DQUARN_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)"
echo "== word look-ups and dictionary load"
./build-bench/tools/bench/quarn_bench
echo "== score tally and a waiting turn on the Qt pump (offscreen)"
QT_QPA_PLATFORM=offscreen ./build-bench/tools/bench/quarn_tally_time 10
echo "== the real program under Xvfb"
tools/bench/desktop_bench.sh build-bench/quarn 10
