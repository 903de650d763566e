#!/bin/bash
# On a real X server, the real program: open the alarm panel, arm "Telefonata" for
# 1 minute, wait the real minute for the notice window, read it and acknowledge it.
# Usage: alarm_x.sh PROGRAM_FOLDER (run under xvfb-run; no window manager).
set -uo pipefail
program=${1:?program folder}
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=0
shots=${ALARM_X_SHOTS:-$work}

fail() { echo "FAIL: $*"; kill "$app" 2>/dev/null; exit 1; }

# Clicks at x,y (pixels) inside the window with the given title.
click_in() {
    local id x y
    id=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
    [ -n "$id" ] || fail "no window '$1'"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

wait_window() { # title, seconds
    for _ in $(seq $(($2 * 4))); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 && return 0
        sleep 0.25
    done
    return 1
}

cd "$work" || exit 1
"$program/Tempestina10" &
app=$!

# An empty card: "Non ci sono scadenze immediate!" first, then on to the main window.
wait_window Form1 20 || fail "Form1 did not appear"
click_in Form1 216 48
wait_window Tempestina10 10 || fail "main window did not appear"
sleep 1
click_in Tempestina10 316 16          # Command5
sleep 0.7
click_in Tempestina10 236 58          # cboAl: first entry, "Telefonata"
sleep 0.7
xdotool key Down Return
sleep 0.7
click_in Tempestina10 305 90          # cboMin's arrow: the list opens on "1"
sleep 0.7
xdotool key Return
sleep 0.5
[ -n "$(xdotool search --name '^Tempestina10$')" ] || fail "main window lost"
sleep 0.7
click_in Tempestina10 600 70          # TestoAl
xdotool type --delay 30 'Chiama <b>Rossi</b>'
click_in Tempestina10 332 92          # cmdMinimiz, "OK"
start=$(date +%s)
import -window root "$shots/alarm_armed.png"

# The real minute: no clock is faked and no interval shortened.
wait_window Form3 90 || fail "Form3 did not appear within 90 s"
elapsed=$(($(date +%s) - start))
echo "Form3 appeared after ${elapsed} s"
[ "$elapsed" -ge 59 ] || fail "Form3 came too early (${elapsed} s)"
sleep 0.5
import -window root "$shots/alarm_notice.png"
click_in Form3 204 32                 # Command1, "OK"
sleep 1
xdotool search --onlyvisible --name '^Form3$' >/dev/null 2>&1 && fail "Form3 still open after OK"
xdotool search --name '^Tempestina10$' >/dev/null 2>&1 || fail "caption is not Tempestina10 after OK"
kill -0 "$app" 2>/dev/null || fail "the program ended"
kill "$app"
echo "PASS"
