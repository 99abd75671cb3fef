#!/usr/bin/env bash
# Builds the benchmarks and runs every measurement of BENCHMARKS.md.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/setup-deps.sh
# The word packs too, each measured beside its own floor.
cmake -S . -B build-bench -DQUARN_BUILD_BENCH=ON -DQUARN_BUILD_TESTS=OFF -DQUARN_BUILD_PACKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)"
echo "== word look-ups, dictionary loads and their floors, word packs (medians of 10, interleaved)"
# The machine is shared: repeating every benchmark in random order spreads a
# busy spell over all of them instead of one.
QUARN_BENCH_PACKS=build-bench/packs ./build-bench/tools/bench/quarn_bench --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true | grep -v -E "_(mean|stddev|cv)\b"
echo "== score tally and a waiting turn on the Qt pump (offscreen)"
QT_QPA_PLATFORM=offscreen ./build-bench/tools/bench/quarn_tally_time 10
echo "== the real program under Xvfb, beside a bare Qt widget program"
tools/bench/desktop_bench.sh build-bench/quarn 10
