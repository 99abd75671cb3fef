#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while
# (default 300 s each, two at a time). New inputs go to build-fuzz/corpus;
# the seed corpus in tests/fuzz/corpus is left as it is.
# Usage: tools/fuzz.sh [seconds-per-target] [target...]
#   targets: item_reader dictionary word_list high_scores (default: all four)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(item_reader dictionary word_list high_scores)
tools/setup-deps.sh
for p in clang-14 libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq $missing
fi
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
      -DQUARN_FUZZ=ON -DQUARN_BUILD_TESTS=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"
run() {
  local t=$1
  mkdir -p "build-fuzz/corpus/$t"
  ./build-fuzz/tests/fuzz/fuzz_"$t" -max_total_time="$seconds" -print_final_stats=1 \
      "build-fuzz/corpus/$t" "tests/fuzz/corpus/$t" > "build-fuzz/fuzz_$t.log" 2>&1
  echo "$t: $(grep -E 'stat::number_of_executed_units' "build-fuzz/fuzz_$t.log" | awk '{print $2}') executions, $(grep -c -E 'ERROR|deadly signal' "build-fuzz/fuzz_$t.log" || true) findings"
}
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" &
  [ $((i + 1)) -lt ${#targets[@]} ] && run "${targets[i + 1]}" &
  wait
done
