#!/usr/bin/env bash
# On a real X server: a date typed with points into slot 1's date box of the real main
# window reaches Archivio.DAT with slashes. $1 is the program folder.
set -u
program="$1/Tempestina10"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
pid=
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work" "$XDG_RUNTIME_DIR"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    import -window root "/tmp/date_typing_x_fail.png" 2>/dev/null && echo "screen: /tmp/date_typing_x_fail.png"
    exit 1
}
[ -x "$program" ] || fail "no program at $program"

waitWindow() { # name -> window id
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
clickIn() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3
}

cd "$work" || fail "no working folder"
"$program" >"$work/out.log" 2>&1 &
pid=$!

# An empty card has nothing due today: Form1 comes first.
form1=$(waitWindow Form1) || fail "Form1 did not appear"
sleep 0.5
# "Apri per inserire nuova scadenza": twips 1440,480,3615,495.
clickIn "$form1" 216 48
main=$(waitWindow Tempestina10) || fail "main window did not appear"
sleep 0.5
xdotool getwindowgeometry "$main"

# txtTelefono: twips 840,2040,975,405, its middle at pixels 88,149.
clickIn "$main" 88 149
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool type --delay 80 "11.06.04"
sleep 0.3
# cmdEsci: twips 120,0,735,495.
clickIn "$main" 32 16
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end on the exit button"
pid=

[ -f "$work/Archivio.DAT" ] || fail "no Archivio.DAT written"
field2=$(head -c 200 "$work/Archivio.DAT" | tail -c 100)
expected="11/06/04$(printf '%92s' '')"
[ "$field2" = "$expected" ] || fail "field 2 reads '$field2'"
echo "PASS: field 2 reads '11/06/04' and blanks"
