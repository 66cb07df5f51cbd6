#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Quillbook and runs every test.
#   scripts/test.sh              release build in build/
#   scripts/test.sh --sanitize   address+undefined sanitizer build of the core and qbk tests in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi

if [ "${1:-}" = "--sanitize" ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLBOOK_SANITIZE=ON \
    -DQUILLBOOK_WERROR=$werror -DQUILLBOOK_BUILD_GUI=OFF -DQUILLBOOK_BUILD_BENCH=OFF
  cmake --build build-sanitize -j"$jobs"
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOOK_WERROR=$werror
  cmake --build build -j"$jobs"
  ctest --test-dir build --output-on-failure -j"$jobs"
fi
