#!/usr/bin/env bash
# ./tempestina install, a reinstall and uninstall with a fresh profile: the program folder under
# the XDG data folder, shortcuts that point into it with its icon, written on a first install
# only, the Archivio.DAT and lista.txt of a run in build/dist/ moved in, the user's files kept
# through all of it, and nothing written outside the temporary home.
# The files are those the build's install rules lay out, from the one list of what an install
# brings.
# usage: install_run.sh <build/dist> <source folder> <build folder whose install rules lay it out>
set -uo pipefail

built=${1:?program folder of the build}
source "$(dirname "$0")/../support/checks.sh"
# A checkout of its own: the install moves files out of its build/dist/.
source="$work/checkout"
dist="$source/build/dist"
mkdir -p "$source/resources" "$source/cmake" "$dist"
cp "${2:?source folder}/tempestina" "$source/"
cp "$2/cmake/install_list.cmake" "$source/cmake/"
export T10_INSTALL_FROM=${3:?build folder}
cp "$2/resources/lista.txt" "$source/resources/"
cp -a "$built/." "$dist/"
rm -f "$dist/Archivio.DAT"
cp "$2/resources/lista.txt" "$dist/"

# The XDG folders unset: their defaults under the home are what a person gets.
unset XDG_DATA_HOME XDG_CONFIG_HOME
export HOME="$work/casa di prova" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
folder="$HOME/.local/share/Tempestina10"
autostart="$HOME/.config/autostart"
applications="$HOME/.local/share/applications"
shortcuts=("$autostart/Tempestina10.lnk" "$autostart/Tempestina10.desktop"
           "$applications/Tempestina10.lnk" "$applications/Tempestina10.desktop")
program=(Tempestina10 Pontilo libt10sound.so libt10print.so tel.wav appu.wav imp.wav calend.wav diffusori.wav Tempestina10.png)

install() {
    "$source/tempestina" install --no-build >"$work/out" 2>&1 || fail "$1: install failed: $(cat "$work/out")"
}

# An archive of a run in build/dist/, from before the per-user install.
head -c 6004 /dev/urandom >"$work/archive"
cp "$work/archive" "$dist/Archivio.DAT"
install "first install"
cmp -s "$work/archive" "$folder/Archivio.DAT" || fail "first install: the archive of build/dist/ was not moved in"
[ ! -e "$dist/Archivio.DAT" ] || fail "first install: the archive is still in build/dist/"
[ "$(grep -c 'Moved from build/dist/' "$work/out")" -eq 1 ] || fail "first install does not say what it moved"
for f in "${program[@]}"; do
    cmp -s "$dist/$f" "$folder/$f" || fail "first install: $f is not the built one"
done
cmp -s "$source/resources/lista.txt" "$folder/lista.txt" || fail "first install: no starting lista.txt"
[ -x "$folder/Tempestina10" ] || fail "first install: Tempestina10 is not executable"
grep -qF "$folder/Archivio.DAT" "$work/out" || fail "install does not say where the deadlines are"
for f in "$autostart/Tempestina10.desktop" "$applications/Tempestina10.desktop"; do
    grep -qxF "Exec=\"$folder/Tempestina10\"" "$f" || fail "$f: Exec is not the installed program"
    grep -qxF "Path=$folder" "$f" || fail "$f: working folder is not the program folder"
    grep -qxF "Icon=$folder/Tempestina10.png" "$f" || fail "$f: no icon in the program folder"
    desktop-file-validate "$f" || fail "$f does not validate"
done
for f in "$autostart/Tempestina10.lnk" "$applications/Tempestina10.lnk"; do
    info=$(lnkinfo "$f" 2>&1)
    grep -qxF "	Local path			: $folder/Tempestina10" <<<"$info" ||
        fail "$f does not point at the installed program: $info"
done

# The user's data, and a binary of an older build: a reinstall replaces only the binary. The
# user has removed the login entry, and build/dist/ holds an archive again.
printf 'scheda' >"$folder/Archivio.DAT"
printf 'Mio tipo\r\n' >"$folder/lista.txt"
printf 'vecchio' >"$folder/Tempestina10"
printf 'altra' >"$dist/Archivio.DAT"
rm "$autostart/Tempestina10.desktop" "$autostart/Tempestina10.lnk"
install "reinstall"
cmp -s "$dist/Tempestina10" "$folder/Tempestina10" || fail "reinstall: the binary was not replaced"
[ "$(cat "$folder/Archivio.DAT")" = scheda ] || fail "reinstall touched Archivio.DAT"
[ "$(cat "$folder/lista.txt")" = $'Mio tipo\r' ] || fail "reinstall touched lista.txt"
[ "$(cat "$dist/Archivio.DAT")" = altra ] || fail "reinstall moved an archive over the user's"
grep -qF "mv -i '$dist/Archivio.DAT' '$folder/'" "$work/out" || fail "reinstall gives no mv -i hint: $(cat "$work/out")"
for f in "$autostart/Tempestina10.desktop" "$autostart/Tempestina10.lnk"; do
    [ ! -e "$f" ] || fail "reinstall wrote the removed $f again"
done
"$source/tempestina" pontilo --no-build >"$work/out" 2>&1 || fail "pontilo failed: $(cat "$work/out")"
for f in "${shortcuts[@]}"; do
    [ -s "$f" ] || fail "./tempestina pontilo did not write $f"
done

"$source/tempestina" uninstall >"$work/out" 2>&1 || fail "uninstall failed: $(cat "$work/out")"
for f in "${program[@]}"; do
    [ ! -e "$folder/$f" ] || fail "uninstall left $f"
done
for f in "${shortcuts[@]}"; do
    [ ! -e "$f" ] || fail "uninstall left $f"
done
[ "$(cat "$folder/Archivio.DAT")" = scheda ] || fail "uninstall touched Archivio.DAT"
[ -e "$folder/lista.txt" ] || fail "uninstall removed lista.txt"
for f in Archivio.DAT lista.txt; do
    grep -qF "$folder/$f" "$work/out" || fail "uninstall does not say where $f is"
done

# A list of types changed in build/dist/ moves in too, where the folder has none.
rm "$folder/Archivio.DAT" "$folder/lista.txt" "$dist/Archivio.DAT"
printf 'Elenco mio\r\n' >"$dist/lista.txt"
install "install again"
[ "$(cat "$folder/lista.txt")" = $'Elenco mio\r' ] || fail "install again: the list of build/dist/ was not moved in"
[ ! -e "$dist/lista.txt" ] || fail "install again: the list is still in build/dist/"

# Without data left, nothing of the program stays.
rm "$folder/lista.txt"
"$source/tempestina" uninstall >/dev/null 2>&1 || fail "second uninstall failed"
[ ! -e "$folder" ] || fail "an empty program folder was left"

# All that was written lies under the temporary home: the shortcut folders and nothing else.
stray=$(find "$HOME" -mindepth 1 -not -path "$HOME/.local*" -not -path "$HOME/.config*" \
        -not -path "$HOME/.cache*")
[ -z "$stray" ] || fail "written outside the program and shortcut folders: $stray"

finishChecks "install_run: all checks passed"
