#!/usr/bin/env bash
# Installs every Debian package Quillbook needs to build, test and run.
# Does nothing when all of them are already present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev qt6-charts-dev libgl-dev
  libyaml-cpp-dev libcmark-dev rednotebook
  libsqlite3-dev sqlite3 zlib1g-dev
  libhunspell-dev hunspell-en-us
  libgtest-dev libgmock-dev libbenchmark-dev
  libssl-dev poppler-utils unzip
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  desktop-file-utils appstream shared-mime-info
  dpkg-dev lintian libglib2.0-bin file groff-base bsdextrautils librsvg2-bin
)

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
