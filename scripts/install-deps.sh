#!/usr/bin/env bash
# Installs the Debian packages Quillbook needs: all of them (build, run and test), or with
# --build only those that building the programs and the package needs.
# Does nothing when all of them are already present.
set -euo pipefail

# What building the programs and their Debian package needs.
build_packages=(
  cmake g++ make pkg-config dpkg-dev file
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libyaml-cpp-dev libcmark-gfm-dev libcmark-gfm-extensions-dev
  libsqlite3-dev libhunspell-dev zlib1g-dev
  qt6-tools-dev qt6-l10n-tools
)
# What the installed program uses besides the libraries: Qt's own translations (its file, print
# and colour dialogs in the user's language).
run_packages=(
  qt6-translations-l10n
)
# What the tests, benchmarks, sanitizer and fuzz builds and the package checks need besides.
test_packages=(
  sqlite3 hunspell-en-us
  libgtest-dev libgmock-dev libbenchmark-dev
  libssl-dev poppler-utils unzip rednotebook
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  desktop-file-utils appstream shared-mime-info
  lintian libglib2.0-bin groff-base bsdextrautils librsvg2-bin
)

packages=("${build_packages[@]}")
if [ "${1:-}" != "--build" ]; then
  packages+=("${run_packages[@]}" "${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
