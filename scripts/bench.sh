#!/usr/bin/env bash
# Builds the benchmarks in a release tree of their own (build-bench/), so running them never
# rebuilds the test tree in build/ in another build type, and runs every benchmark program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUILLBOOK_BUILD_BENCH=ON \
  -DQUILLBOOK_BUILD_GUI=OFF >/dev/null
# Only the benchmark programs (one per bench/*_bench.cpp), not the test programs.
mapfile -t targets < <(basename -s .cpp bench/*_bench.cpp)
cmake --build build-bench -j"$(nproc)" --target "${targets[@]}"
for b in build-bench/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" "$@"
done
