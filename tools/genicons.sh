#!/usr/bin/env bash
# Renders the game's scalable icon into the fixed sizes of the hicolor
# theme, next to it under assets/icons/. The PNGs are committed; run this
# again only after changing the SVG. Needs rsvg-convert (librsvg2-bin).
#
#   tools/genicons.sh [--check]    --check: fail if a committed PNG is stale
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
theme="$root/assets/icons/hicolor"
svg="$theme/scalable/apps/quindle.svg"
check=false
[ "${1:-}" = --check ] && check=true
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
stale=0
for size in 16 24 32 48 64 128 256; do
  out="$theme/${size}x${size}/apps/quindle.png"
  rsvg-convert --width "$size" --height "$size" --format png "$svg" --output "$tmp/quindle.png"
  if $check; then
    cmp -s "$tmp/quindle.png" "$out" || { echo "stale: $out" >&2; stale=1; }
  else
    mkdir -p "$(dirname "$out")"
    cp "$tmp/quindle.png" "$out"
  fi
done
exit $stale
