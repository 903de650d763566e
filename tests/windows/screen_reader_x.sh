#!/usr/bin/env bash
# The real program on a real X server with the accessibility bus: the names reach it (no
# focusable control without a name, no name twice in a window, windows as windows), and a
# day's work done by keyboard alone reaches Archivio.DAT. $1 is the program folder.
set -u
program="$1/Tempestina10"
here=$(dirname "$0")
tree="/usr/bin/python3 $here/atspi_tree.py Tempestina10"
[ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }
# Inside a session bus of its own, which ends with this script's inner part.
if [ -z "${T10_INSIDE_SESSION:-}" ]; then
    T10_INSIDE_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"

source "$here/../support/x_windows.sh"
launcher=/usr/libexec/at-spi-bus-launcher
pid=
bus=
# A process and everything it started, children first.
stopTree() {
    local child
    for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do stopTree "$child"; done
    kill "$1" 2>/dev/null
}
finish() {
    [ -n "$pid" ] && stopTree "$pid"
    [ -n "$bus" ] && stopTree "$bus"
    rm -rf "$work" "$XDG_RUNTIME_DIR"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    import -window root /tmp/screen_reader_x_fail.png 2>/dev/null && echo "screen: /tmp/screen_reader_x_fail.png"
    cat "$work/out.log" 2>/dev/null
    exit 1
}

"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
cd "$work" || fail "no working folder"
"$program" >"$work/out.log" 2>&1 &
pid=$!

form1=$(waitWindow Form1) || fail "Form1 did not appear"
sleep 1
$tree table || fail "Form1 as read from the accessibility bus"
# Enter: "Apri per inserire nuova scadenza".
xdotool windowfocus --sync "$form1" key Return
main=$(waitWindow Tempestina10) || fail "the main window did not appear"
sleep 1
xdotool windowfocus --sync "$main"
$tree table || fail "the main window as read from the accessibility bus"

# Slot 5 by keyboard: Tab to its date box, back to the calendar button, open the calendar,
# Tab into it, the next day, Enter; then type, text and days.
focusOn() { # name: Tab until the control of that name has the focus
    for _ in $(seq 1 80); do
        [ "$($tree focus)" = "$1" ] && return 0
        xdotool key "${2:-Tab}"
        sleep 0.1
    done
    fail "the keyboard never reached \"$1\""
}
focusOn "Data scadenza 5"
focusOn "Apri il calendario" shift+Tab
xdotool key space
sleep 0.3
xdotool key Tab
focusOn "Calendario"
xdotool key Right Return
sleep 0.3
[ "$($tree focus)" = "Data scadenza 5" ] || fail "Enter in the calendar left the focus elsewhere"
xdotool key Tab Down
sleep 0.3
xdotool key Tab End
xdotool type --delay 40 "rinnovo"
# Tab selects the days box's "1": the digit replaces it.
xdotool key Tab
xdotool type --delay 40 "3"
# The information window by F1, left by its button.
xdotool key F1
form2=$(waitWindow "Tempestina10 - Info") || fail "F1 opened no information window"
sleep 1
$tree table || fail "the information window as read from the accessibility bus"
xdotool windowfocus --sync "$form2" key Tab space
sleep 1
# Leave by the exit button: Tab round to it.
xdotool windowfocus --sync "$main"
focusOn "Esci"
xdotool key space
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
pid=
python3 - "$work/Archivio.DAT" <<'PY' || fail "slot 5 did not reach the archive"
import datetime, sys
card = open(sys.argv[1], "rb").read()[:3002]
field = lambda n: card[(n - 1) * 100:n * 100].decode("cp1252").rstrip()
print("slot 5:", field(4), "|", field(15), "|", field(25))
tomorrow = (datetime.date.today() + datetime.timedelta(days=1)).strftime("%d/%m/%y")
ok = field(4) == tomorrow and field(15).endswith(" > rinnovo") and field(25) == "3"
sys.exit(0 if ok else 1)
PY
echo "keyboard walk: slot 5 filled and saved"
