#!/usr/bin/env bash
# The setup program under Wine, in a fresh prefix of its own, on the X server of xvfb-run: a
# silent install lays out the portable folder's files, the uninstall key and the two shortcuts
# Pontilo writes (a later Pontilo run replaces them); the installed program, started in the
# shortcut's working folder, shows Form1 and saves its card there. While it runs, neither the
# setup nor the uninstaller changes anything. The user's Archivio.DAT and lista.txt come through
# a reinstall and an upgrade byte for byte, and are all that a silent uninstall leaves.
# usage: setup_wine.sh <setup.exe> <portable folder> <read_shell_link.exe> <.nsi> <makensis...>
# The makensis command, with the setup's definitions but its version, makes a later version.
set -uo pipefail
setup=$1 portable=$2 reader=$3 nsi=$4
shift 4
makensis=("$@")
source "$(dirname "$0")/../support/checks.sh"
source "$(dirname "$0")/../support/x_windows.sh"
waitTenths=300

export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all HOME=$work/home
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
mkdir -p "$HOME"
pid=
cleanUp() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanUp EXIT
stop() {
    fail "$*"
    exit 1
}
start=$SECONDS
wineboot -i >/dev/null 2>&1 || stop "wineboot failed"
echo "fresh prefix: $((SECONDS - start)) s"

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tempestina10'
regValue() { # name -> data of the uninstall key's value
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
# A silent setup under Wine ends with 0 even when its stub cannot run: the files tell.
install() { # setup.exe
    local started=$SECONDS
    wine "$1" /S
    local rc=$?
    wineserver -w
    [ "$rc" -eq 0 ] || fail "$(basename "$1") /S ended with status $rc"
    echo "install of $(basename "$1"): $((SECONDS - started)) s"
}

install "$setup"
installed=$(regValue InstallLocation)
[[ $installed == 'C:\users\'*'\AppData\Local\Programs\Tempestina10' ]] ||
    stop "InstallLocation is '$installed', not the user's Programs\\Tempestina10"
dir=$(wine winepath.exe -u "$installed" 2>/dev/null | tr -d '\r')
dir=${dir%/}
[ -d "$dir" ] || stop "no install folder $dir"

# The portable folder's files, the same bytes; lista.txt, the uninstaller, and nothing else.
(cd "$portable" && find . -type f ! -name Archivio.DAT ! -name lista.txt | sort) >"$work/portable.txt"
(cd "$dir" && find . -type f | sort) >"$work/installed.txt"
sort - "$work/portable.txt" <<<$'./Disinstalla.exe\n./lista.txt' | diff - "$work/installed.txt" ||
    fail "the install folder holds other files than the portable folder's"
while read -r f; do
    cmp -s "$portable/$f" "$dir/$f" || fail "$f differs from the portable folder's"
done <"$work/portable.txt"

exe="$installed\\Tempestina10.exe"
for value in "DisplayName=Tempestina10" "DisplayVersion=1.0" "DisplayIcon=$exe,0" \
             "Publisher=Tempestina10" "InstallLocation=$installed" \
             "UninstallString=\"$installed\\Disinstalla.exe\"" \
             "QuietUninstallString=\"$installed\\Disinstalla.exe\" /S" \
             "NoModify=0x1" "NoRepair=0x1"; do
    [ "$(regValue "${value%%=*}")" = "${value#*=}" ] ||
        fail "uninstall key: ${value%%=*} is '$(regValue "${value%%=*}")', not '${value#*=}'"
done
size=$(($(regValue EstimatedSize)))
actual=$(du -sk "$dir" | cut -f1)
[ "$size" -gt $((actual / 2)) ] && [ "$size" -lt $((actual * 2)) ] ||
    fail "EstimatedSize is $size KB for $actual KB installed"

# The shell reads both shortcuts back; Pontilo, run from the install folder, replaces them.
mkdir "$work/reader"
cp "$reader" "$portable"/lib*.dll "$work/reader/"
reader="$work/reader/$(basename "$reader")"
expectedLink="target=$exe
workdir=$installed
description=Coll
arguments=
show=1"
declare -A linkFolder
startupWorkdir=
checkShortcuts() { # when
    local which out
    for which in startup programs; do
        out=$(wine "$reader" "$which" 2>/dev/null | tr -d '\r') ||
            { fail "$1: the shell cannot load the $which shortcut"; continue; }
        [ "$which" = startup ] && startupWorkdir=$(sed -n 's/^workdir=//p' <<<"$out")
        [ "$(sed 1d <<<"$out")" = "$expectedLink" ] ||
            fail "$1: the shell reads the $which shortcut as
$(sed 1d <<<"$out")"
        linkFolder[$which]=$(wine winepath.exe -u "$(sed -n 's/^folder=//p' <<<"$out")" 2>/dev/null |
                             tr -d '\r')
        local links
        links=$(find "${linkFolder[$which]}" -maxdepth 1 -name '*.lnk' -printf '%f ')
        [ "$links" = "Tempestina10.lnk " ] || fail "$1: the $which folder holds $links"
    done
}
checkShortcuts "setup"
(cd "$dir" && timeout 30 wine Pontilo.exe >/dev/null 2>&1) || fail "Pontilo.exe did not end by itself"
checkShortcuts "after Pontilo"

# The program from the Startup shortcut's working folder: Form1, then the main window, whose
# exit button saves card 1 there.
workdir=$(wine winepath.exe -u "$startupWorkdir" 2>/dev/null | tr -d '\r')
startProgram() {
    (cd "$workdir" && exec wine Tempestina10.exe) >"$work/program.log" 2>&1 &
    pid=$!
    form1=$(waitWindow Form1) || stop "the installed program showed no Form1"
    sleep 0.5
}
startProgram
clickIn "$form1" 216 48 # "Apri per inserire nuova scadenza"
main=$(waitWindow Tempestina10) || stop "the main window did not appear"
sleep 2
if [ -n "${T10_SCREENSHOTS:-}" ]; then
    mkdir -p "$T10_SCREENSHOTS"
    import -window root "$T10_SCREENSHOTS/setup_installed_program.png"
fi
leaveByExitButton "$main" "$pid" || stop "the program did not end on its exit button"
pid=
wineserver -w
[ "$(stat -c %s "$dir/Archivio.DAT" 2>/dev/null)" = 3002 ] || stop "no card saved in $dir"

# The user's own data from now on.
printf '%-100s' 'Assicurazione auto > rinnovata' | dd of="$dir/Archivio.DAT" bs=1 seek=1100 \
    conv=notrunc status=none
printf 'Abbonamento\r\n' >>"$dir/lista.txt"
cp "$dir/Archivio.DAT" "$dir/lista.txt" "$work/"
dataKept() { # when
    cmp -s "$dir/Archivio.DAT" "$work/Archivio.DAT" || fail "$1: Archivio.DAT changed"
    cmp -s "$dir/lista.txt" "$work/lista.txt" || fail "$1: lista.txt changed"
}

# While the program runs from the folder, setup and uninstaller stop, having changed nothing.
touch "$work/stamp"
sleep 1
startProgram
# The uninstaller in place (_?=): a copy of it in the temporary folder would end at once with 0.
for program in "$setup" "$dir/Disinstalla.exe"; do
    arguments=(/S)
    [ "$program" = "$setup" ] || arguments+=("_?=$installed")
    wine "$program" "${arguments[@]}"
    rc=$?
    [ "$rc" -ne 0 ] || fail "$(basename "$program") /S ended with 0 while Tempestina10 ran"
done
changed=$(find "$dir" "${linkFolder[@]}" -newer "$work/stamp")
[ -z "$changed" ] || fail "changed while Tempestina10 ran: $changed"
[ -n "$(regValue DisplayName)" ] || fail "the uninstall key went while Tempestina10 ran"
kill "$pid" 2>/dev/null
pid=
wineserver -k 2>/dev/null
dataKept "while running"

install "$setup"
dataKept "reinstall"
"${makensis[@]}" -DVERSION=9.9 -DVERSION_BINARY=9.9.0.0 -DOUTFILE="$work/upgrade-setup.exe" \
    -DCOMPRESSOR=zlib "$nsi" >"$work/makensis.log" 2>&1 || stop "makensis: $(cat "$work/makensis.log")"
install "$work/upgrade-setup.exe"
dataKept "upgrade"
[ "$(regValue DisplayVersion)" = 9.9 ] || fail "after the upgrade DisplayVersion is $(regValue DisplayVersion)"

# The uninstaller copies itself away and returns at once; wineserver -w waits for the copy.
started=$SECONDS
wine "$dir/Disinstalla.exe" /S
wineserver -w
echo "uninstall: $((SECONDS - started)) s"
left=$(cd "$dir" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./Archivio.DAT ./lista.txt " ] || fail "the uninstall left $left"
dataKept "uninstall"
for which in startup programs; do
    [ ! -e "${linkFolder[$which]}/Tempestina10.lnk" ] || fail "the $which shortcut is still there"
done
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall key is still there"

finishChecks "PASS: install, shortcuts, program, reinstall, upgrade and uninstall in $((SECONDS - start)) s"
