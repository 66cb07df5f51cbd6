#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a fixed time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]    default: 60 seconds, every target
# Each target starts from its seeds in fuzz/corpus/<name>/ and keeps what it finds in
# fuzz/corpus-work/<name>/ (not in the repository). A crash, leak, hang or sanitizer report
# stops the run with the input saved as fuzz/crash-*; the script then fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(journal rtf_reader); fi

bash scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLBOOK_BUILD_FUZZ=ON -DQUILLBOOK_BUILD_GUI=OFF -DQUILLBOOK_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
  seeds=fuzz/corpus/${target%_reader}
  work=fuzz/corpus-work/$target
  mkdir -p "$work"
  options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix=fuzz/)
  case $target in
    rtf_reader) options+=(-dict=fuzz/rtf.dict -max_len=65536) ;;
    journal) options+=(-max_len=65536) ;;
  esac
  echo "== ${target}_fuzz for ${seconds} s"
  start=$(date +%s)
  log=build-fuzz/${target}_fuzz.log
  status=0
  build-fuzz/fuzz/"${target}"_fuzz "${options[@]}" "$work" "$seeds" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then tail -n 60 "$log"; fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$log" || true
  echo "   ended with status $status after $(($(date +%s) - start)) s"
  [ "$status" -eq 0 ] || exit "$status"
done
