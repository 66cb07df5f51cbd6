#!/usr/bin/env bash
# Builds the Debian package of Quillbook with CPack in build-package/ (a release build of the
# two programs only) and says how to install it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUILLBOOK_BUILD_BENCH=OFF >/dev/null
cmake --build build-package -j"$(nproc)" \
  --target quillbook qbk quillbook_man_pages quillbook_changelog
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/quillbook_*.deb)
echo "Built $deb"
echo "Install it with:  sudo apt install ./$deb"
