#!/usr/bin/env bash
# The real Tempestina10.exe of the portable folder under Wine on a real X server, started in an
# empty folder: Form1 first, then the main window; a date and a text typed into slot 1 and saved
# with cmdEsci make one card of 3002 bytes, byte for byte the one the Linux program writes for
# the same keys (when the Linux program folder is at hand). A second start on that card with
# accented text added in Windows-1252 shows it and saves it back unchanged.
# The first start is traced by Wine's relay channel: the program itself must make the archive with
# the Win32 call CreateFileW and CREATE_NEW, since Microsoft's C runtime refuses the open mode
# that Wine's runtime would have let pass.
# usage: tempestina_wine.sh <portable folder> <Linux program folder> <wine command...>
set -u
portable=$1 linux=$2
shift 2
wine=("$@")
source "$(dirname "$0")/../support/program_run.sh"
[ -f "$portable/Tempestina10.exe" ] || fail "no Tempestina10.exe in $portable"

support=$(cd "$(dirname "$0")/../support" && pwd)
source "$support/x_windows.sh"
waitTenths=300

# Starts a program in folder $1 (named $2 in messages) and goes on from Form1 to the main
# window, whose id it leaves in $main.
startToMainWindow() {
    local folder=$1 name=$2
    shift 2
    (cd "$folder" && exec "$@") >"$folder.log" 2>&1 &
    pid=$!
    # Nothing falls due today on these cards: Form1 comes first.
    local form1
    form1=$(waitWindow Form1) || fail "$name: Form1 did not appear"
    sleep 0.5
    # "Apri per inserire nuova scadenza": twips 1440,480,3615,495.
    clickIn "$form1" 216 48
    main=$(waitWindow Tempestina10) || fail "$name: the main window did not appear"
    sleep 1
}

# cmdEsci, and the program must end having written its card.
exitAndWait() {
    local folder=$1 name=$2
    leaveByExitButton "$main" "$pid" || fail "$name: the program did not end on the exit button"
    pid=
    [ -f "$folder/Archivio.DAT" ] || fail "$name: no Archivio.DAT written"
}

# A date with points into txtTelefono (twips 840,2040,975,405, middle at pixels 88,149), then
# Tab, Tab to R1 and a text.
typeSlotOne() {
    clickIn "$main" 88 149
    xdotool type --delay 80 "11.06.04"
    xdotool key --delay 100 Tab Tab
    xdotool type --delay 80 "Bolletta luce > pagata"
    sleep 0.3
}

hex() { od -An -v -tx1 | tr -d ' \n'; }
field() { # file number (1-based) -> the field's 100 bytes as hex
    head -c $(($2 * 100)) "$1" | tail -c 100 | hex
}

mkdir "$work/windows"
"${wine[@]}" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /d 'CreateFileW;_wfopen;_wfsopen' \
    /f >/dev/null 2>&1 || fail "cannot set Wine's relay list"
T10_WINEDEBUG=+relay startToMainWindow "$work/windows" "Windows" "${wine[@]}" \
    "$portable/Tempestina10.exe"
typeSlotOne
exitAndWait "$work/windows" "Windows"
calls=$(grep -a 'Archivio\.DAT' "$work/windows.log")
# Arguments: name, access, sharing, security, disposition (CREATE_NEW is 1), ...
grep -Eq 'Call KERNEL32\.CreateFileW\([0-9a-f]+ L"[^"]*\\Archivio\.DAT",c0000000,[0-9a-f]+,[0-9a-f]+,[0-9a-f]*0+1,' \
    <<<"$calls" || fail "no CreateFileW with CREATE_NEW made the archive; the calls seen:
$calls"
grep -q '_wf' <<<"$calls" && fail "the archive went through the C runtime: $calls"
archive="$work/windows/Archivio.DAT"
size=$(stat -c %s "$archive")
[ "$size" -eq 3002 ] || fail "Archivio.DAT holds $size bytes, not one card of 3002"
[ "$(field "$archive" 2)" = "$(printf '%-100s' '11/06/04' | hex)" ] ||
    fail "the date of slot 1 reads $(field "$archive" 2)"
[ "$(field "$archive" 11)" = "$(printf '%-100s' 'Bolletta luce > pagata' | hex)" ] ||
    fail "the text of slot 1 reads $(field "$archive" 11)"
echo "Windows: Form1, the main window, and one card of 3002 bytes with the date and the text"

if [ -x "$linux/Tempestina10" ]; then
    mkdir "$work/linux"
    # A home and a session bus of its own, as every Linux test program has.
    QT_QPA_PLATFORM=xcb startToMainWindow "$work/linux" "Linux" \
        bash "$support/private_home.sh" "$linux/Tempestina10"
    typeSlotOne
    exitAndWait "$work/linux" "Linux"
    cmp "$archive" "$work/linux/Archivio.DAT" || fail "Archivio.DAT differs from the Linux one"
    echo "Archivio.DAT is byte for byte the one the Linux program writes"
else
    echo "no Linux program folder to compare with"
fi

# Slot 2's text in Windows-1252 (à E0, ò F2, è E8, € 80), through the window and back.
printf '%-100s' "$(printf 'Canone TV > gi\xe0 pagato, per\xf2 \xe8 caro: 90 \x80')" |
    dd of="$archive" bs=1 seek=1100 conv=notrunc status=none
cp "$archive" "$work/expected.DAT"
startToMainWindow "$work/windows" "Windows, second start" "${wine[@]}" \
    "$portable/Tempestina10.exe"
if [ -n "${T10_SCREENSHOTS:-}" ]; then
    mkdir -p "$T10_SCREENSHOTS"
    sleep 2 # past the colour cascade of the slot texts
    import -window "$main" "$T10_SCREENSHOTS/tempestina_wine.png"
fi
exitAndWait "$work/windows" "Windows, second start"
cmp "$archive" "$work/expected.DAT" || fail "the accented text did not come back unchanged"
echo "PASS"
