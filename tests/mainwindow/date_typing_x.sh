#!/usr/bin/env bash
# On a real X server, the real main window: a date typed with points into slot 1's date box
# reaches Archivio.DAT with slashes; a type's name typed into a type box and left by Tab or
# Enter leaves the slot's text as it was; the exit status is 0 after "Chiudi" and not 0
# after an archive error. $1 is the program folder.
set -u
program="$1/Tempestina10"
work=$(mktemp -d)
ulimit -c unlimited 2>/dev/null
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
    echo "The program said:"
    cat "$work/out.log" 2>/dev/null
    # A program that crashed left its core in the working folder: where it stopped.
    local core
    for core in "$work"/core*; do
        [ -f "$core" ] && gdb -batch -ex "thread apply all bt 20" "$program" "$core" 2>/dev/null | tail -60
    done
    exit 1
}
[ -x "$program" ] || fail "no program at $program"

source "$(dirname "$0")/../support/x_windows.sh"

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
# R1 (twips 3480,2040) and R2 (3480,2640) get a text; then the name of a listed type goes
# into Combo1 (twips 1920,2040) and leaves by Tab, and into Combo2 (1920,2640) by Enter.
clickIn "$main" 480 149
xdotool type --delay 40 "Pagare entro venerdi"
clickIn "$main" 480 189
xdotool type --delay 40 "Chiamare il padrone"
clickIn "$main" 160 146
xdotool type --delay 80 "bollo auto"
xdotool key Tab
sleep 0.3
clickIn "$main" 160 186
xdotool type --delay 80 "AFFITTO"
xdotool key Return
sleep 0.3
[ -n "${T10_SCREENSHOTS:-}" ] && import -window root "$T10_SCREENSHOTS/typed_types.png" 2>/dev/null
leaveByExitButton "$main" "$pid" || fail "the program did not end on the exit button"
pid=

[ -f "$work/Archivio.DAT" ] || fail "no Archivio.DAT written"
field2=$(head -c 200 "$work/Archivio.DAT" | tail -c 100)
expected="11/06/04$(printf '%92s' '')"
[ "$field2" = "$expected" ] || fail "field 2 reads '$field2'"
echo "PASS: field 2 reads '11/06/04' and blanks"
field11=$(head -c 1100 "$work/Archivio.DAT" | tail -c 100 | sed 's/ *$//')
field12=$(head -c 1200 "$work/Archivio.DAT" | tail -c 100 | sed 's/ *$//')
[ "$field11" = "Pagare entro venerdi" ] || fail "typing into Combo1 changed R1 to '$field11'"
[ "$field12" = "Chiamare il padrone" ] || fail "typing into Combo2 changed R2 to '$field12'"
echo "PASS: R1 and R2 kept their texts"

# "Chiudi" in Form1 is a normal end.
rm -f "$work/Archivio.DAT"
"$program" >"$work/out.log" 2>&1 &
pid=$!
form1=$(waitWindow Form1) || fail "Form1 did not appear the second time"
sleep 0.5
# "Chiudi": twips 240,480,1095,495.
clickIn "$form1" 52 48
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "exit status $status after Chiudi"
echo "PASS: exit status 0 after Chiudi"

# An archive that cannot be opened: the message, then a failure status.
rm -f "$work/Archivio.DAT"
mkdir "$work/Archivio.DAT"
"$program" >"$work/out.log" 2>&1 &
pid=$!
box=$(waitWindow Tempestina10) || fail "no message for the archive error"
sleep 0.5
xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key Return
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the archive error"
wait "$pid"
status=$?
pid=
[ "$status" != 0 ] || fail "exit status 0 after an archive error"
echo "PASS: exit status $status after an archive error"
