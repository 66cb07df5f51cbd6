#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Quillbook and runs every test.
#   scripts/test.sh              release build in build/
#   scripts/test.sh --sanitize   address+undefined sanitizer build of the core, qbk and GUI tests
#                                (offscreen) in build-sanitize/; the package checks are left to
#                                the release build
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi

if [ "${1:-}" = "--sanitize" ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLBOOK_SANITIZE=ON \
    -DQUILLBOOK_WERROR=$werror -DQUILLBOOK_BUILD_BENCH=OFF
  cmake --build build-sanitize -j"$jobs"
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # Leaks inside Qt's and the system's own libraries, never ours: see the file for each.
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -E '^package\.'
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOOK_WERROR=$werror
  cmake --build build -j"$jobs"
  ctest --test-dir build --output-on-failure -j"$jobs"
fi
