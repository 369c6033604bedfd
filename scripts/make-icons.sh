#!/usr/bin/env bash
# Renders the program's icon (packaging/icons/sorn-editor.svg) into the PNG
# sizes of the hicolor theme, packaging/icons/hicolor/NxN/apps/. Run it after
# changing the drawing and commit the PNGs; the build itself needs no renderer.
set -euo pipefail
here=$(cd "$(dirname "$0")/../packaging/icons" && pwd)
for size in 16 32 48 64 128 256; do
    out="$here/hicolor/${size}x${size}/apps"
    mkdir -p "$out"
    rsvg-convert -w "$size" -h "$size" "$here/sorn-editor.svg" -o "$out/sorn-editor.png"
done
