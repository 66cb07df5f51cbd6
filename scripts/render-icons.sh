#!/usr/bin/env bash
# Renders the program's icon (src/gui/res/images/quillbook.svg) to the PNG sizes of the hicolor
# theme in data/icons/. Run it after changing the icon and commit the PNGs with it; the build
# installs them as they are. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
svg=src/gui/res/images/quillbook.svg
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "data/icons/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$svg" \
    --output "data/icons/${size}x${size}/quillbook.png"
done
