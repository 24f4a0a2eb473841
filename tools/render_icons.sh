#!/usr/bin/env bash
# Renders the desktop icon's PNG sizes from dist/icons/quorvantile.svg into dist/icons/.
# Run by hand after changing the picture; needs rsvg-convert (Debian package librsvg2-bin).
# Below 24 pixels the ball is drawn without its label, as the window icon is.
set -euo pipefail
cd "$(dirname "$0")/.."

svg=dist/icons/quorvantile.svg
unlabelled=$(mktemp --suffix=.svg)
trap 'rm -f "$unlabelled"' EXIT
sed '/<g id="label">/,/^  <\/g>/d' "$svg" >"$unlabelled"

for size in 16 22 24 32 48 64 128 256; do
    source=$svg
    [ "$size" -lt 24 ] && source=$unlabelled
    rsvg-convert --width "$size" --height "$size" "$source" --output "dist/icons/$size.png"
    echo "dist/icons/$size.png"
done
