#!/usr/bin/env bash
# Builds Quarn and starts it in ./run, a working directory seeded from data/.
# Files already in ./run are kept, so scores and used-word records survive
# between runs and playing never changes the tracked files in data/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh
cmake -S . -B build -DQUARN_BUILD_TESTS=OFF >/dev/null
cmake --build build --target quarn -j"$(nproc)"
mkdir -p run
for f in data/*; do
  case "$(basename "$f")" in LICENSE*|*.md) continue ;; esac
  [ -e "run/$(basename "$f")" ] || cp "$f" run/
done
cd run
exec ../build/quarn "$@"
