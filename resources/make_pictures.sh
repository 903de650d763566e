#!/usr/bin/env bash
# Draws every picture of the program into resources/pictures/.
# The results are committed, so building never needs ImageMagick; rerun this
# only to change a picture. Needs ImageMagick 6 or 7 and the fonts
# fonts-liberation, fonts-comic-neue and fonts-dejavu.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$here/pictures"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if command -v magick >/dev/null 2>&1; then IM=(magick); else IM=(convert); fi

font() { # font file by fontconfig pattern, so the script survives font path changes
  local f
  f="$(fc-match -f '%{file}' "$1")"
  [[ -f "$f" ]] || { echo "font not found: $1" >&2; exit 1; }
  printf '%s' "$f"
}
SERIF_BI="$(font 'Liberation Serif:style=Bold Italic')"
SERIF_I="$(font 'Liberation Serif:style=Italic')"
SERIF_B="$(font 'Liberation Serif:style=Bold')"
SANS_B="$(font 'Liberation Sans:style=Bold')"
SANS="$(font 'Liberation Sans:style=Regular')"
COMIC_B="$(font 'Comic Neue:style=Bold')"
DEJAVU_B="$(font 'DejaVu Sans:style=Bold')"

# The palette and the two programs' icons, shared with make_icons.sh.
source "$here/art.sh"

# PNG/GIF without timestamps, so a rerun gives the same bytes.
PNG_OPTS=(-strip -define png:exclude-chunks=date,time)

# Vector art is drawn at four times its size and scaled down: smooth edges
# at 13..32 pixels that ImageMagick's own antialiasing does not give.
# usage: art W H OUT BG MVG...
art() {
  local w=$1 h=$2 dst=$3 bg=$4
  shift 4
  "${IM[@]}" -size "$((w * 4))x$((h * 4))" "xc:$bg" "$@" \
    -filter Lanczos -resize "${w}x${h}!" "${PNG_OPTS[@]}" "PNG32:$dst"
}

# ---------------------------------------------------------------------------
# Main window background, 640x480: warm glow fading to black, a faint linen
# grain. Kept dark and flat so text boxes and labels stay readable on it.
"${IM[@]}" -seed 7 -size 900x700 radial-gradient:'#3b0e07-#070101' \
  -gravity center -crop 640x480+0+0 +repage \
  \( -size 640x480 xc:'#808080' +noise Gaussian -colorspace Gray -blur 0x0.6 \
     -motion-blur 0x6+35 -level 40%,60% \) \
  -compose Overlay -define compose:args=6 -composite \
  \( -size 640x480 gradient:'#2a0804-#000000' \) -compose Screen -composite \
  -quality 88 -sampling-factor 1x1 -strip "$out/background.jpg"

# Banner of the two small windows, 218x46: deep red to ember, amber rule.
"${IM[@]}" -size 46x218 gradient:"$SCARLET-$BLOOD" -rotate 90 \
  \( -size 218x46 gradient:'#ffffff-#303030' \) -compose Multiply -composite \
  -fill "$AMBER" -draw 'rectangle 0,43 217,44' \
  -fill "$GOLD" -draw 'rectangle 0,45 217,45' \
  -fill '#ffffff30' -draw 'rectangle 0,0 217,0' \
  -quality 92 -sampling-factor 1x1 -strip "$out/banner.jpg"

# GIF frames need on/off transparency: cut the alpha at half, after the
# dark outline each shape carries has softened the edge colour.
gif_alpha() { "${IM[@]}" "$1" -channel A -threshold 50% +channel "PNG32:$2"; }

# One palette for all frames and no dithering, so still parts of the picture
# stay identical between frames and the optimizer drops them.
# usage: make_gif FIRST_DELAY DELAY OUT FRAME...  (delays in 1/100 s)
make_gif() {
  local first=$1 delay=$2 dst=$3
  shift 3
  "${IM[@]}" "$@" -background none +append -alpha on +dither -colors 255 \
    -unique-colors "PNG32:$work/palette.png"
  "${IM[@]}" -dispose Background -delay "$first" "$1" -delay "$delay" "${@:2}" \
    +dither -remap "$work/palette.png" -loop 0 -layers Optimize "$dst"
}

# ---------------------------------------------------------------------------
# Animated clock, 150x150: brass bezel, ember face, the minute hand sweeping
# a full turn in 24 frames while the hour hand creeps.
clock_frame() { # $1 = frame index 0..23
  local i=$1 mvg
  mvg="$(awk -v i="$i" 'BEGIN {
    pi = atan2(0, -1); c = 300
    for (k = 0; k < 60; k++) {
      a = k * pi / 30; big = (k % 5 == 0)
      r1 = big ? 196 : 212; r2 = 228
      printf "stroke \"%s\" stroke-width %d line %.1f,%.1f %.1f,%.1f\n", \
        big ? "#f6cf6a" : "#b06a20", big ? 10 : 4, \
        c + r1 * sin(a), c - r1 * cos(a), c + r2 * sin(a), c - r2 * cos(a)
    }
    m = i * 2 * pi / 24; h = (10 + i / 24) * 2 * pi / 12
    printf "stroke \"#1a0603\" stroke-width 22 stroke-linecap round line %.1f,%.1f %.1f,%.1f\n", \
      c - 30 * sin(h), c + 30 * cos(h), c + 120 * sin(h), c - 120 * cos(h)
    printf "stroke \"#e89a2c\" stroke-width 14 stroke-linecap round line %.1f,%.1f %.1f,%.1f\n", \
      c - 30 * sin(h), c + 30 * cos(h), c + 120 * sin(h), c - 120 * cos(h)
    printf "stroke \"#1a0603\" stroke-width 14 stroke-linecap round line %.1f,%.1f %.1f,%.1f\n", \
      c - 40 * sin(m), c + 40 * cos(m), c + 185 * sin(m), c - 185 * cos(m)
    printf "stroke \"#f6cf6a\" stroke-width 8 stroke-linecap round line %.1f,%.1f %.1f,%.1f\n", \
      c - 40 * sin(m), c + 40 * cos(m), c + 185 * sin(m), c - 185 * cos(m)
  }')"
  "${IM[@]}" -size 600x600 xc:none \
    -fill "$INK" -draw 'circle 300,300 300,4' \
    \( -size 600x600 radial-gradient:"$GOLD-#6a3608" -roll +60+60 \
       \( -size 600x600 xc:black -fill white -draw 'circle 300,300 300,18' \) \
       -alpha off -compose CopyOpacity -composite \) -compose Over -composite \
    \( -size 600x600 xc:none -fill "$INK" -draw 'circle 300,300 300,44' \) -composite \
    \( -size 600x600 radial-gradient:'#7a1a0a-#1e0402' -roll -40-50 \
       \( -size 600x600 xc:black -fill white -draw 'circle 300,300 300,52' \) \
       -alpha off -compose CopyOpacity -composite \) -compose Over -composite \
    -font "$SERIF_B" -pointsize 58 -fill "$GOLD" -stroke "$INK" -strokewidth 2 \
    -gravity center -annotate +0-150 'XII' -annotate +150+0 'III' \
    -annotate +0+150 'VI' -annotate -150+0 'IX' -gravity northwest \
    -fill none -draw "$mvg" \
    -stroke "$INK" -strokewidth 4 -fill "$GOLD" -draw 'circle 300,300 300,278' \
    -fill "$SCARLET" -stroke none -draw 'circle 300,300 300,290' \
    -filter Lanczos -resize 150x150 "$work/clock.png"
  gif_alpha "$work/clock.png" "$work/clock_$(printf %02d "$i").png"
}
for i in $(seq 0 23); do clock_frame "$i"; done
make_gif 25 25 "$out/globe150.gif" "$work"/clock_*.png

# ---------------------------------------------------------------------------
# Brand plate "Tempestina10", 158x52: dark red letters engraved in a brass
# plate, a glint sweeping over it. The first frame carries no glint: it is
# the one printed at the foot of the report, where it must read on white.
brass() { # W H OUT: light-dark-light vertical brass gradient
  "${IM[@]}" -size "$1x$(($2 / 2))" gradient:'#fff0c0-#d08a2a' \
    \( -size "$1x$(($2 - $2 / 2))" gradient:'#d08a2a-#f8d27a' \) -append "PNG32:$3"
}
plate() { # W H RADIUS TEXT POINTSIZE OUT
  local w=$1 h=$2 r=$3 text=$4 pt=$5 dst=$6
  brass "$w" "$h" "$work/brass.png"
  "${IM[@]}" -size "${w}x${h}" xc:none \
    -fill "$BLOOD" -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) $r,$r" \
    \( "$work/brass.png" \
       \( -size "${w}x${h}" xc:black -fill white \
          -draw "roundrectangle 8,8 $((w - 9)),$((h - 9)) $((r - 6)),$((r - 6))" \) \
       -alpha off -compose CopyOpacity -composite \) -compose Over -composite \
    -font "$SERIF_BI" -pointsize "$pt" -gravity center \
    -fill '#fff6d8' -annotate +4+6 "$text" \
    -fill "$BLOOD" -stroke "$INK" -strokewidth 2 -annotate +0+2 "$text" \
    "PNG32:$dst"
}
plate 632 208 44 "Tempestina10" 94 "$work/plate_brand.png"
for i in $(seq 0 15); do
  # the glint starts off the plate (frame 0) and crosses it in 15 steps
  x=$(( -200 + i * 56 ))
  "${IM[@]}" "$work/plate_brand.png" \
    \( -size 632x208 xc:none -fill '#ffffffb0' \
       -draw "polygon $x,208 $((x + 60)),208 $((x + 160)),0 $((x + 100)),0" \
       -blur 0x10 \) -compose ATop -composite \
    -filter Lanczos -resize 158x52! "$work/brand.png"
  gif_alpha "$work/brand.png" "$work/brand_$(printf %02d "$i").png"
done
# the plain plate rests a while between glints
make_gif 300 10 "$out/brand158x52.gif" "$work"/brand_*.png

# ---------------------------------------------------------------------------
# "Informazioni", 210x40, for the info window's banner: golden letters with
# a dark rim (so the cut GIF edge sits well on the red banner) and a white
# gleam running through them.
W=840 H=160
"${IM[@]}" -size ${W}x${H} xc:none -font "$SERIF_BI" -pointsize 132 -gravity center \
  -fill "$INK" -stroke "$INK" -strokewidth 14 -annotate +0+4 'Informazioni' \
  "PNG32:$work/info_rim.png"
"${IM[@]}" -size ${W}x${H} xc:black -font "$SERIF_BI" -pointsize 132 -gravity center \
  -fill white -annotate +0+4 'Informazioni' "$work/info_mask.png"
"${IM[@]}" -size $((H / 2))x${W} gradient:"$CREAM-$GOLD" -rotate 90 \
  \( -size ${W}x$((H / 2)) gradient:"$AMBER-#a85a12" \) -append \
  "$work/info_mask.png" -alpha off -compose CopyOpacity -composite "PNG32:$work/info_fill.png"
for i in $(seq 0 19); do
  x=$(( -260 + i * 60 ))
  "${IM[@]}" "$work/info_rim.png" \
    \( "$work/info_fill.png" \
       \( -size ${W}x${H} xc:none -fill '#ffffffe0' \
          -draw "polygon $x,$H $((x + 70)),$H $((x + 150)),0 $((x + 80)),0" -blur 0x12 \) \
       -compose ATop -composite \) -compose Over -composite \
    -filter Lanczos -resize 210x40! "$work/info.png"
  gif_alpha "$work/info.png" "$work/info_$(printf %02d "$i").png"
done
make_gif 120 5 "$out/banner210x40.gif" "$work"/info_[0-9]*.png

# ---------------------------------------------------------------------------
# Clear button's pressed picture, 25x25: a red cross on the buttons' red,
# swelling and glowing from scarlet to amber and back.
i=0
for glow in 0 1 2 3 4 3 2 1; do
  "${IM[@]}" -size 100x100 xc:"$RED" \
    \( -size 100x100 xc:none -stroke "$GOLD" -strokewidth $((18 + glow * 6)) \
       -draw 'stroke-linecap round line 26,26 74,74 line 74,26 26,74' -blur 0x$((4 + glow * 2)) \
       -channel A -evaluate multiply 0.$((2 + glow * 2)) +channel \) -composite \
    -stroke "$INK" -strokewidth $((22 + glow * 2)) -draw 'stroke-linecap round line 26,26 74,74 line 74,26 26,74' \
    -stroke "$(printf '#ff%02x%02x' $((48 + glow * 40)) $((16 + glow * 10)))" \
    -strokewidth $((12 + glow * 2)) -draw 'stroke-linecap round line 26,26 74,74 line 74,26 26,74' \
    -filter Lanczos -resize 25x25 "PNG32:$work/clear_$i.png"
  i=$((i + 1))
done
make_gif 10 10 "$out/clear25.gif" "$work"/clear_[0-9].png

# ---------------------------------------------------------------------------
# "Scadenze" over a calendar page, 122x116, two frames shown alternately:
# the second one brighter and a pixel off, which reads as a flicker.
scritta() { # OUT TEXTCOLOUR GLOWCOLOUR GLOWSIZE DX DY
  local grid='' r c
  for r in 0 1 2 3; do
    for c in 0 1 2 3 4 5 6; do
      grid+="rectangle $((60 + c * 54)),$((190 + r * 46)) $((96 + c * 54)),$((216 + r * 46)) "
    done
  done
  "${IM[@]}" -size 488x464 xc:black \
    -fill '#3a0a04' -draw 'roundrectangle 40,52 448,440 26,26' \
    -fill '#e8d6b0' -draw 'roundrectangle 46,58 442,432 22,22' \
    -fill "$RED" -draw 'roundrectangle 46,58 442,160 22,22 rectangle 46,120 442,160' \
    -fill '#c9ad84' -draw "$grid" \
    -fill "$SCARLET" -draw 'rectangle 330,328 366,354' \
    -fill "$INK" -draw 'roundrectangle 110,20 134,100 12,12 roundrectangle 354,20 378,100 12,12' \
    -fill '#b0b0b0' -draw 'roundrectangle 116,26 128,94 6,6 roundrectangle 360,26 372,94 6,6' \
    \( -size 488x464 xc:none -font "$COMIC_B" -pointsize 92 -gravity center \
       -fill "$3" -stroke "$3" -strokewidth "$4" -annotate "+$5+$((60 + $6))" 'Scadenze' \
       -blur 0x14 \) -composite \
    -font "$COMIC_B" -pointsize 92 -gravity center \
    -fill "$2" -stroke "$INK" -strokewidth 6 -annotate "+$5+$((60 + $6))" 'Scadenze' \
    -stroke none -annotate "+$5+$((60 + $6))" 'Scadenze' \
    -filter Lanczos -resize 122x116! "${PNG_OPTS[@]}" "PNG24:$1"
}
scritta "$out/scritta01.png" "$RED" "$GOLD" 22 0 0
scritta "$out/scritta02.png" "$SCARLET" "#ff9a20" 40 4 -4

# ---------------------------------------------------------------------------
# Report title, 210x30: dark ink on transparent, since it is printed on white.
"${IM[@]}" -size 840x120 xc:none -font "$SERIF_BI" -pointsize 90 -gravity north \
  -fill '#2e0604' -annotate +0+0 'Scadenze Previste' \
  -fill "$RED" -draw 'polygon 150,108 420,102 690,108 420,114' \
  -filter Lanczos -resize 210x30! "${PNG_OPTS[@]}" "PNG32:$out/title210x30.png"

# Strip "Riduci a icona", 115x18, with a down arrow.
"${IM[@]}" -size 72x460 gradient:"$SCARLET-$BLOOD" -rotate 90 \
  -fill "$INK" -draw 'rectangle 0,68 459,71' -fill "$AMBER" -draw 'rectangle 0,0 459,3' \
  -stroke "$INK" -strokewidth 4 -fill "$GOLD" \
  -draw 'polygon 12,18 52,18 52,30 62,30 32,62 2,30 12,30 12,18' \
  -stroke none -font "$SANS_B" -pointsize 46 -gravity west \
  -fill "$INK" -annotate +82+4 'Riduci a icona' -fill "$CREAM" -annotate +80+2 'Riduci a icona' \
  -filter Lanczos -resize 115x18! "${PNG_OPTS[@]}" "PNG24:$out/minimize115x18.png"

# Calendar button, 25x20: a page with red header, rings and a marked day.
art 25 20 "$out/calendar25x20.png" none -stroke "$INK" -strokewidth 4 \
  -fill "$CREAM" -draw 'roundrectangle 10,10 90,76 8,8' \
  -fill "$SCARLET" -draw 'roundrectangle 10,10 90,30 8,8' -stroke none \
  -fill '#b08860' -draw 'rectangle 20,40 30,48 rectangle 38,40 48,48 rectangle 56,40 66,48 rectangle 74,40 82,48
                         rectangle 20,56 30,64 rectangle 56,56 66,64 rectangle 74,56 82,64' \
  -fill "$SCARLET" -draw 'rectangle 36,54 50,66' \
  -fill "$INK" -draw 'roundrectangle 26,2 34,18 4,4 roundrectangle 66,2 74,18 4,4'

# Close bar, 21x13: an amber cross on a dark red bar.
art 21 13 "$out/close21x13.png" "$RED" \
  -fill none -stroke "$INK" -strokewidth 2 -draw 'rectangle 1,1 82,50' \
  -stroke "$AMBER" -strokewidth 6 -draw 'rectangle 4,4 79,47' \
  -stroke "$GOLD" -strokewidth 9 -draw 'stroke-linecap round line 30,14 54,38 line 54,14 30,38'

# List button, 13x15: a lined notepad with a red binding.
art 13 15 "$out/list13x15.png" none -stroke "$INK" -strokewidth 4 \
  -fill "$CREAM" -draw 'rectangle 4,8 48,56' \
  -fill "$SCARLET" -draw 'rectangle 4,4 48,14' -stroke "$RED" -strokewidth 3 \
  -draw 'line 12,24 40,24 line 12,32 40,32 line 12,40 40,40 line 12,48 30,48'

# ---------------------------------------------------------------------------
# Button icons, 32x32 (drawn on a 128 grid).
# Exit: an open door in its frame, an arrow leaving through it.
art 32 32 "$out/exit32.png" none -stroke "$INK" -strokewidth 6 \
  -fill '#3a1408' -draw 'rectangle 22,10 78,120' \
  -fill '#120402' -draw 'rectangle 30,18 70,120' \
  -fill "$RED" -draw 'polygon 30,18 58,28 58,124 30,120' \
  -fill "$GOLD" -stroke none -draw 'circle 51,74 51,80' \
  -stroke "$INK" -strokewidth 6 -fill "$AMBER" \
  -draw 'polygon 64,58 94,58 94,42 124,70 94,98 94,82 64,82'

# Print: a printer with a sheet going in and a printed one coming out.
art 32 32 "$out/print32.png" none -stroke "$INK" -strokewidth 6 \
  -fill "$CREAM" -draw 'rectangle 34,8 94,52' \
  -fill '#7a2a18' -draw 'roundrectangle 10,44 118,96 12,12' \
  -fill '#4a1208' -draw 'rectangle 24,78 104,92' \
  -fill "$CREAM" -draw 'rectangle 30,84 98,122' \
  -fill "$AMBER" -stroke none -draw 'circle 100,60 100,66' \
  -stroke "$RED" -strokewidth 4 -draw 'line 40,98 88,98 line 40,106 88,106 line 40,114 72,114'

# Loudspeaker: cone and three sound waves.
WAVES="path 'M 82,48 A 22,22 0 0,1 82,80 M 93,37 A 38,38 0 0,1 93,91 M 104,26 A 54,54 0 0,1 104,102'"
art 32 32 "$out/speaker32.png" none -stroke "$INK" -strokewidth 6 \
  -fill '#5a1a0a' -draw 'rectangle 10,46 34,82' \
  -fill "$AMBER" -draw 'polygon 34,46 66,18 66,110 34,82' \
  -fill none -stroke "$INK" -strokewidth 14 -draw "stroke-linecap round $WAVES" \
  -stroke "$GOLD" -strokewidth 7 -draw "stroke-linecap round $WAVES"

# The program's icon.
art 32 32 "$out/app32.png" none "${APP_ICON[@]}"
# The menus' icon is a file of the program folder, not a resource: the canvas itself.
"${IM[@]}" -size 128x128 xc:none "${APP_ICON[@]}" "${PNG_OPTS[@]}" "PNG32:$here/Tempestina10.png"
"${IM[@]}" "$out/app32.png" -filter Lanczos -resize 16x16 "${PNG_OPTS[@]}" "PNG32:$out/app16.png"

# Copy: two sheets, one laid over the other.
art 16 16 "$out/copy16.png" none -stroke "$INK" -strokewidth 4 \
  -fill '#e0c9a0' -draw 'rectangle 4,4 38,46' \
  -fill "$CREAM" -draw 'rectangle 24,18 58,60' -stroke "$RED" -strokewidth 4 \
  -draw 'line 30,30 52,30 line 30,38 52,38 line 30,46 52,46 line 30,54 44,54'

# The installer's icon: two interlocked chain links.
art 32 32 "$out/pontilo32.png" none -fill none \
  -stroke "$INK" -strokewidth 22 \
  -draw 'roundrectangle 8,38 76,90 26,26 roundrectangle 52,38 120,90 26,26' \
  -stroke "$AMBER" -strokewidth 12 -draw 'roundrectangle 8,38 76,90 26,26' \
  -stroke "$INK" -strokewidth 22 -draw 'roundrectangle 52,38 120,90 26,26' \
  -stroke "$GOLD" -strokewidth 12 -draw 'roundrectangle 52,38 120,90 26,26' \
  \( -size 128x128 xc:none -stroke "$INK" -strokewidth 22 -draw 'line 76,54 76,74' \
     -stroke "$AMBER" -strokewidth 12 -draw 'line 76,50 76,78' \) -composite \
  -distort SRT -30

# ---------------------------------------------------------------------------
# Mouse cursors, 32x32 with transparency; hotspots are listed in pictures.qrc.
ARROW='polygon 8,8 8,92 28,72 44,108 56,104 40,68 68,68'
arrow_cursor() { # OUT EXTRA-DRAW-ARGS...
  local dst=$1
  shift
  art 32 32 "$dst" none -stroke "$INK" -strokewidth 6 -fill "$CREAM" -draw "$ARROW" "$@"
}
# Pointing hand, hotspot at the finger tip (10,1).
HAND='roundrectangle 32,4 52,76 10,10 roundrectangle 52,38 70,80 9,9
      roundrectangle 70,44 86,84 8,8 roundrectangle 86,50 100,88 7,7
      roundrectangle 30,62 100,118 18,18
      path "M 36,74 L 16,56 C 6,48 -2,62 6,72 L 34,104 Z"'
art 32 32 "$out/cursor_hand.png" none \
  -fill "$INK" -stroke "$INK" -strokewidth 10 -draw "$HAND" \
  -fill "$CREAM" -stroke none -draw "$HAND" \
  -fill none -stroke "$INK" -strokewidth 4 \
  -draw 'line 52,46 52,70 line 70,50 70,74 line 86,56 86,78' \
  -fill "$SCARLET" -stroke none -draw 'rectangle 34,108 96,118'
# Arrow with a small door, hotspot at the tip (2,2).
arrow_cursor "$out/cursor_exit.png" \
  -stroke "$AMBER" -strokewidth 5 -fill '#3a1408' -draw 'rectangle 64,54 114,124' \
  -stroke "$INK" -strokewidth 4 -fill '#120402' -draw 'rectangle 72,62 106,124' \
  -fill "$SCARLET" -draw 'polygon 72,62 92,70 92,126 72,124' \
  -fill "$GOLD" -stroke none -draw 'circle 86,96 86,100'
# Arrow with an "i", hotspot at the tip (2,2).
arrow_cursor "$out/cursor_info.png" \
  -fill "$AMBER" -draw 'circle 92,92 92,62' \
  -fill "$INK" -stroke none -draw 'circle 92,76 92,82 roundrectangle 86,86 98,112 3,3'

# ---------------------------------------------------------------------------
# The resource list: every picture under its own name at ":/".
{
  echo '<!DOCTYPE RCC>'
  echo '<!-- Cursor hotspots: cursor_hand.png (10,1), cursor_exit.png (2,2), cursor_info.png (2,2). -->'
  echo '<RCC version="1.0">'
  echo '  <qresource prefix="/">'
  for f in "$out"/*; do
    n="$(basename "$f")"
    echo "    <file alias=\"$n\">pictures/$n</file>"
  done
  echo '  </qresource>'
  echo '</RCC>'
} > "$here/pictures.qrc"
