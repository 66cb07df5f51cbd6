#!/usr/bin/env bash
# Builds the Debian package of Quillbook with CPack in build-package/ (a release build of the
# two programs only, with the distribution's hardening) and says how to install it. It installs
# only what building needs, not the test tools, and says how long the whole run took.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)
bash scripts/install-deps.sh --build

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release \
  -DQUILLBOOK_BUILD_TESTS=OFF -DQUILLBOOK_BUILD_BENCH=OFF >/dev/null
cmake --build build-package -j"$(nproc)" \
  --target quillbook qbk quillbook_man_pages quillbook_changelog
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/quillbook_*.deb)
echo "Built $deb in $(( ($(date +%s) - start) / 60 )) min $(( ($(date +%s) - start) % 60 )) s"
echo "Install it with:  sudo apt install ./$deb"
