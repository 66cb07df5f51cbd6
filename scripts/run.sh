#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Quillbook and starts it on a journal.
#   scripts/run.sh             opens ~/Documents/Quillbook Sample.qbk, made on first use
#   scripts/run.sh FILE.qbk    opens that journal instead
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLBOOK_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target quillbook

journal="${1:-}"
if [ -z "$journal" ]; then
  documents="$(xdg-user-dir DOCUMENTS 2>/dev/null || true)"
  if [ -z "$documents" ] || [ "$documents" = "$HOME" ]; then documents="$HOME/Documents"; fi
  mkdir -p "$documents"
  journal="$documents/Quillbook Sample.qbk"
  if [ ! -e "$journal" ]; then
    echo "Writing a sample journal to $journal"
    ./build/src/gui/quillbook --make-sample "$journal"
  fi
fi

exec ./build/src/gui/quillbook "$journal"
