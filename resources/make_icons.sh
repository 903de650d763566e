#!/usr/bin/env bash
# Draws the Windows icons of the two programs, resources/windows/{Tempestina10,Pontilo}.ico,
# at 16, 32, 48 and 256 pixels, and the program's icons of the hicolor theme for the Debian
# package, resources/hicolor/{48,256}.png, from the drawings of art.sh. The results are committed, like the
# pictures; rerun this only to change an icon. Needs ImageMagick 6 or 7.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/art.sh"
if command -v magick >/dev/null 2>&1; then IM=(magick); else IM=(convert); fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# usage: icon OUT UNITS DRAWING... where UNITS is the drawing's canvas size. Each size is drawn
# at four times over and scaled down, as the pictures are; not scaled from another size.
# usage: picture OUT SIZE UNITS DRAWING...
picture() {
    local dst=$1 size=$2 units=$3 scale
    shift 3
    scale=$(awk -v s="$size" -v u="$units" 'BEGIN { printf "%.6f", 4 * s / u }')
    "${IM[@]}" -size "$((size * 4))x$((size * 4))" xc:none -affine "$scale,0,0,$scale,0,0" "$@" \
        -filter Lanczos -resize "${size}x${size}!" -strip "PNG32:$dst"
}
icon() {
    local dst=$1 units=$2 size pngs=()
    shift 2
    for size in 16 32 48 256; do
        picture "$work/$size.png" "$size" "$units" "$@"
        pngs+=("$work/$size.png")
    done
    "${IM[@]}" "${pngs[@]}" "$dst"
}

mkdir -p "$here/windows"
icon "$here/windows/Tempestina10.ico" 128 "${APP_ICON[@]}"
icon "$here/windows/Pontilo.ico" 32 "${PONTILO_ICON[@]}"

mkdir -p "$here/hicolor"
for size in 48 256; do
    picture "$here/hicolor/$size.png" "$size" 128 "${APP_ICON[@]}"
done
