#!/usr/bin/env bash
# What Explorer shows of the two programs of the portable folder (the files the zip and the setup
# ship): an icon group of 16, 32, 48 and 256 pixels and a version block with the project's
# version and the file's own name; and no debugging sections in any program or DLL there.
# usage: program_resources.sh <portable folder> <version>
set -uo pipefail
folder=$1 version=$2
source "$(dirname "$0")/../support/checks.sh"

for name in Tempestina10 Pontilo; do
    exe="$folder/$name.exe"
    # An icon group: a count at byte 4, then 14-byte entries whose first byte is the width (0: 256).
    wrestool -x --raw -t 14 "$exe" >"$work/group" 2>/dev/null
    widths=$(od -An -v -tu1 -j6 "$work/group" | tr -s ' \n' ' ' |
             awk '{ for (i = 1; i <= NF; i += 14) printf "%s ", $i }')
    [ "$widths" = "16 32 48 0 " ] || fail "$name.exe: icon widths '$widths', not 16 32 48 256"
    # The version block's strings are UTF-16 with padding between key and value.
    strings=$(wrestool -x --raw -t 16 "$exe" 2>/dev/null | tr -d '\0')
    for pair in "ProductNameTempestina10" "FileVersion$version" "ProductVersion$version" \
                "OriginalFilename$name.exe" "FileDescription$name - "; do
        grep -qF "$pair" <<<"$strings" || fail "$name.exe: no ${pair} in its version block"
    done
done
while IFS= read -r -d '' binary; do
    sections=$(x86_64-w64-mingw32-objdump -h "$binary" | awk '$2 ~ /^\.debug/ { print $2 }' | tr '\n' ' ')
    [ -z "$sections" ] || fail "${binary#"$folder"/} carries $sections"
done < <(find "$folder" \( -name '*.exe' -o -name '*.dll' \) -print0)

finishChecks "PASS: icon and version in both programs, no debugging sections"
