#!/usr/bin/env bash
# The real program on a real X server with the accessibility bus: the names reach it (no
# focusable control without a name, no name twice in a window, windows as windows), a
# slot's colour in words, and a day's work done by keyboard alone reaches Archivio.DAT.
# $1 is the program folder.
set -u
program="$(realpath "$1")/Tempestina10"
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }
# A process group of its own, so that everything started here can be ended, and in it a
# session bus of its own. The accessibility registry is started by the bus detached from
# its starter: only its process group still tells it is ours.
if [ -z "${T10_INSIDE_SESSION:-}" ]; then
    T10_INSIDE_SESSION=1 exec setsid --wait dbus-run-session -- bash "$0" "$@"
fi
tree="/usr/bin/python3 $here/atspi_tree.py Tempestina10"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
source "$here/../support/x_windows.sh"

listing="$XDG_RUNTIME_DIR/processes"
source "$here/../support/process_group.sh"
finish() {
    local status=$?
    end_ours || status=1
    rm -rf "$work" "$XDG_RUNTIME_DIR"
    exit "$status"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    import -window root /tmp/screen_reader_x_fail.png 2>/dev/null && echo "screen: /tmp/screen_reader_x_fail.png"
    cat "$work/out.log" 2>/dev/null
    exit 1
}

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
cd "$work" || fail "no working folder"
# Slot 1 expired yesterday: a notice at the start, and the colour on its row.
python3 - "$work/Archivio.DAT" <<'PY'
import datetime, sys
fields = [""] * 30
fields[1] = (datetime.date.today() - datetime.timedelta(days=1)).strftime("%d/%m/%y")
fields[20:30] = ["1"] * 10
open(sys.argv[1], "wb").write(b"".join(f.encode().ljust(100) for f in fields) + b"\0\0")
PY
"$program" >"$work/out.log" 2>&1 &
pid=$!

# The notice, read from the bus, closed by Enter; then Form1, whose Enter is "Apri per
# inserire nuova scadenza".
notice=$(waitWindow Tempestina10) || fail "no notice at the start"
sleep 1
$tree says | grep -x "Scadenza scaduta da 1 giorno!" >/dev/null || fail "the notice does not read as such"
xdotool windowfocus --sync "$notice" key Return
form1=$(waitWindow Form1) || fail "Form1 did not appear"
sleep 1
$tree table || fail "Form1 as read from the accessibility bus"
xdotool windowfocus --sync "$form1" key Return
main=$(waitWindow Tempestina10) || fail "the main window did not appear"
sleep 1
xdotool windowfocus --sync "$main"
$tree table || fail "the main window as read from the accessibility bus"
$tree describe "Data scadenza 1" | grep "^SCADENZA SCADUTA" >/dev/null ||
    fail "slot 1's date box does not say it expired"

focusOn() { # name [key]: the key (Tab unless given) until the control of that name has the focus
    for _ in $(seq 1 80); do
        [ "$($tree focus)" = "$1" ] && return 0
        xdotool key "${2:-Tab}"
        sleep 0.1
    done
    fail "the keyboard never reached \"$1\""
}
# Slot 5: its date box, F4 for the calendar, the day after today and Enter, which fills the
# box; then a type by the arrow key, a text, the days.
# The calendar's days are read by their dates, in Italian: F4 says today, Right tomorrow.
italianDate() { # days from today
    python3 -c 'import datetime, sys
d = datetime.date.today() + datetime.timedelta(days=int(sys.argv[1]))
days = "lunedì martedì mercoledì giovedì venerdì sabato domenica".split()
months = ("gennaio febbraio marzo aprile maggio giugno luglio agosto settembre ottobre "
          "novembre dicembre").split()
print(f"{days[d.weekday()]} {d.day} {months[d.month - 1]} {d.year}")' "$1"
}
focusOn "Data scadenza 5"
xdotool key F4
sleep 0.5
[ "$($tree focus)" = "$(italianDate 0)" ] || fail "F4 in a date box did not say today's date"
xdotool key Right
sleep 0.5
[ "$($tree focus)" = "$(italianDate 1)" ] || fail "Right in the calendar did not say tomorrow"
xdotool key Return
sleep 0.3
[ "$($tree focus)" = "Data scadenza 5" ] || fail "Enter in the calendar left the focus elsewhere"
xdotool key Tab Down
sleep 0.3
# Its type chosen, the box still says which slot it is.
[ "$($tree focus)" = "Tipo scadenza 5" ] || fail "the type box of slot 5 lost its name"
xdotool key Tab End
xdotool type --delay 40 "rinnovo"
# Tab selects the days box's "1": the digit replaces it.
xdotool key Tab
xdotool type --delay 40 "3"
# The information window by F1, read, and left by its "Esci".
xdotool key F1
form2=$(waitWindow "Tempestina10 - Info") || fail "F1 opened no information window"
sleep 1
$tree table || fail "the information window as read from the accessibility bus"
xdotool windowfocus --sync "$form2"
focusOn "Esci"
xdotool key space
sleep 0.5
xdotool search --onlyvisible --name "^Tempestina10 - Info\$" >/dev/null &&
    fail "the information window did not close"
# Leave by the main window's exit button.
xdotool windowfocus --sync "$main"
focusOn "Esci"
xdotool key space
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
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
