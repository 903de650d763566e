#!/usr/bin/env bash
# The real Tempestina10.exe of the portable folder under Wine on a real X server, started in an
# empty folder: Form1 first, then the main window; a date and an accented text typed into slot 1
# and saved with cmdEsci reach Archivio.DAT in Windows-1252, byte for byte as the Linux program
# writes them for the same keys (when the Linux program folder is at hand).
# usage: tempestina_wine.sh <portable folder> <wine.sh> <prefix> [<Linux program folder>]
set -u
portable=$1 wine=$2 prefix=$3 linux=${4:-}
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pid=
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    import -window root "/tmp/tempestina_wine_fail.png" 2>/dev/null &&
        echo "screen: /tmp/tempestina_wine_fail.png"
    exit 1
}
[ -f "$portable/Tempestina10.exe" ] || fail "no Tempestina10.exe in $portable"

waitWindow() { # name -> window id
    local id
    for _ in $(seq 1 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
clickIn() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3
}

# Runs one program in the empty folder $1 through the keys of a short edit. $2 names it.
editAndSave() {
    local folder=$1 name=$2
    shift 2
    mkdir -p "$folder"
    (cd "$folder" && exec "$@") >"$folder.log" 2>&1 &
    pid=$!
    # An empty card has nothing due today: Form1 comes first.
    local form1 main
    form1=$(waitWindow Form1) || fail "$name: Form1 did not appear"
    sleep 0.5
    # "Apri per inserire nuova scadenza": twips 1440,480,3615,495.
    clickIn "$form1" 216 48
    main=$(waitWindow Tempestina10) || fail "$name: the main window did not appear"
    sleep 1
    # txtTelefono: twips 840,2040,975,405, its middle at pixels 88,149; then Tab, Tab to R1.
    clickIn "$main" 88 149
    xdotool type --delay 80 "11.06.04"
    xdotool key --delay 100 Tab Tab
    # One accented letter only: xdotool lends it a spare key, which Wine learns of once.
    xdotool type --delay 80 "Caffè è pagato"
    sleep 0.3
    if [ -n "${T10_SCREENSHOTS:-}" ]; then
        mkdir -p "$T10_SCREENSHOTS"
        import -window "$main" "$T10_SCREENSHOTS/$name.png"
    fi
    # cmdEsci: twips 120,0,735,495.
    clickIn "$main" 32 16
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "$name: the program did not end on the exit button"
    pid=
    [ -f "$folder/Archivio.DAT" ] || fail "$name: no Archivio.DAT written"
}

field() { # file number (1-based) -> the field's 100 bytes as hex
    head -c $(($2 * 100)) "$1" | tail -c 100 | od -An -v -tx1 | tr -d ' \n'
}

editAndSave "$work/windows" tempestina_wine bash "$wine" "$prefix" "$portable/Tempestina10.exe"
archive="$work/windows/Archivio.DAT"
size=$(stat -c %s "$archive")
[ "$size" -eq 3002 ] || fail "Archivio.DAT holds $size bytes, not one card of 3002"
blanks=$(printf '%*s' 92 '' | od -An -v -tx1 | tr -d ' \n')
[ "$(field "$archive" 2)" = "$(printf '11/06/04' | od -An -tx1 | tr -d ' \n')$blanks" ] ||
    fail "the date of slot 1 reads $(field "$archive" 2)"
# "Caffè è pagato" in Windows-1252: è is the one byte E8.
text=$(printf 'Caff\xe8 \xe8 pagato' | od -An -v -tx1 | tr -d ' \n')
[ "$(field "$archive" 11)" = "$text$(printf '%*s' 86 '' | od -An -v -tx1 | tr -d ' \n')" ] ||
    fail "the text of slot 1 reads $(field "$archive" 11)"
echo "Windows: Form1, the main window, and a card of 3002 bytes with the date and the text"

if [ -n "$linux" ] && [ -x "$linux/Tempestina10" ]; then
    QT_QPA_PLATFORM=xcb editAndSave "$work/linux" tempestina_linux "$linux/Tempestina10"
    cmp "$archive" "$work/linux/Archivio.DAT" || fail "Archivio.DAT differs from the Linux one"
    echo "PASS: Archivio.DAT is byte for byte the one the Linux program writes"
else
    echo "PASS (no Linux program folder to compare with)"
fi
