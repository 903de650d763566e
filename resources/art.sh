# What make_pictures.sh and make_icons.sh draw alike: the palette and the programs' icons, as
# ImageMagick drawing arguments.

# Palette: black, deep reds, ambers.
INK='#1a0603'     # near-black warm ink
BLOOD='#5c0a06'
RED='#800000'     # the buttons' own back colour
SCARLET='#c81e10'
AMBER='#e89a2c'
GOLD='#f6cf6a'
CREAM='#fbf0d6'

# The program's icon: a calendar page with a bell, drawn on a 128-pixel canvas.
APP_ICON=(-stroke "$INK" -strokewidth 6 \
    -fill "$CREAM" -draw 'roundrectangle 8,16 112,116 10,10' \
    -fill "$SCARLET" -draw 'roundrectangle 8,16 112,44 10,10' -stroke none \
    -fill '#b08860' -draw 'rectangle 20,54 32,64 rectangle 40,54 52,64 rectangle 60,54 72,64 rectangle 80,54 92,64
                           rectangle 20,72 32,82 rectangle 40,72 52,82 rectangle 20,90 32,100' \
    -stroke "$INK" -strokewidth 5 -fill "$INK" \
    -draw 'roundrectangle 28,4 38,28 5,5 roundrectangle 82,4 92,28 5,5' \
    -fill "$GOLD" -draw 'path "M 88,62 C 70,62 66,78 66,92 L 66,102 L 58,112 L 118,112 L 110,102 L 110,92 C 110,78 106,62 88,62 Z"' \
    -fill "$AMBER" -draw 'circle 88,118 88,124 circle 88,58 88,62')

# Pontilo's icon, the one its window draws: a green arched bridge on dark blue, on a 32-unit
# canvas.
PONTILO_ICON=(-stroke none -fill '#000040' -draw 'roundrectangle 1,1 31,31 5,5' \
    -fill none -stroke '#00ff00' -strokewidth 2.5 \
    -draw 'stroke-linecap round stroke-linejoin round line 4,22 28,22 path "M 6,22 Q 16,6 26,22" line 11,17 11,22 line 16,14 16,22 line 21,17 21,22')
