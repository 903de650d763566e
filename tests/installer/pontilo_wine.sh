#!/usr/bin/env bash
# The real Pontilo.exe under Wine, run from the zip unpacked into a folder whose path has a blank
# and an accented letter, as a user would: it must end by itself with Tempestina10.lnk in the Startup and in the
# Programs folder the shell names, and nothing else there; the shell must read each back with
# the main program as target, its folder as working folder, "Coll", no arguments and show 1.
# A Startup folder the user deleted is made again, as the shell itself would.
# usage: pontilo_wine.sh <Tempestina10.zip> <read_shell_link.exe> <wine command...>
set -uo pipefail
zip=$1 reader=$2
shift 2
wine=("$@")
source "$(dirname "$0")/../support/checks.sh"

folder="$work/cartella di prova è"
mkdir "$work/unzipped"
(cd "$work/unzipped" && cmake -E tar xf "$zip") || { echo "cannot unpack $zip" >&2; exit 1; }
mv "$work/unzipped/Tempestina10" "$folder" || { echo "no Tempestina10 folder in $zip" >&2; exit 1; }
windowsFolder="Z:${folder//\//\\}"

# Shortcuts of an earlier run are removed, so that the files looked at are this run's.
declare -A shortcutFolder
for which in startup programs; do
    out=$("${wine[@]}" "$reader" "$which" 2>/dev/null)
    f=$(sed -n 's/^folder=//p' <<<"$out" | tr -d '\r')
    [ -n "$f" ] || { echo "the shell names no $which folder" >&2; exit 1; }
    shortcutFolder[$which]=$("${wine[@]}" winepath.exe -u "$f" 2>/dev/null | tr -d '\r')
    rm -f "${shortcutFolder[$which]}/Tempestina10.lnk"
done
rm -rf "${shortcutFolder[startup]}"

start=$SECONDS
(cd "$work" && timeout 30 "${wine[@]}" "$folder/Pontilo.exe")
rc=$?
[ "$rc" -eq 0 ] || fail "Pontilo.exe ended with status $rc (124: it did not end by itself)"
echo "Pontilo.exe ran $((SECONDS - start)) s under Wine"

for which in startup programs; do
    dir=${shortcutFolder[$which]}
    [ -s "$dir/Tempestina10.lnk" ] || { fail "$which: no Tempestina10.lnk in $dir"; continue; }
    others=$(find "$dir" -maxdepth 1 -type f -name 'Tempestina10*' ! -name Tempestina10.lnk)
    [ -z "$others" ] || fail "$which: more than the .lnk written: $others"
    out=$("${wine[@]}" "$reader" "$which" | tr -d '\r') || {
        fail "$which: the shell cannot load the shortcut"
        continue
    }
    expected="target=$windowsFolder\\Tempestina10.exe
workdir=$windowsFolder
description=Coll
arguments=
show=1"
    [ "$(sed 1d <<<"$out")" = "$expected" ] || fail "$which: the shell reads
$out
and not
$expected"
done

finishChecks "PASS: both shortcuts written by Pontilo.exe, read back by the shell"
