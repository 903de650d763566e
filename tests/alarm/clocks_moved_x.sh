#!/usr/bin/env bash
# On a real X server, the real program with the clocks it sees moved by a preloaded library
# (the machine's own clocks are never touched):
#  - a suspend: a 1-minute "Telefonata" armed, the program stopped 5 s later while its boot and
#    wall clocks move on 30 minutes and its monotonic clock does not; the notice Form3 comes on
#    waking, and not before the stop;
#  - a midnight: started at 23:59:30 with slot 1 due tomorrow and 1 day's advance ("A breve
#    hai qualche scadenza!", then Form1); after midnight "Oggi hai qualche scadenza!" and the
#    new date in Label5, without Form1.
# Usage: clocks_moved_x.sh PROGRAM_FOLDER CLOCK_SHIFT_LIBRARY (under xvfb-run; no window
# manager).
set -u
program="$(realpath "$1")/Tempestina10"
shim=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$program" ] || { echo "FAIL: no program at $program"; exit 1; }
[ -f "$shim" ] || { echo "FAIL: no library at $shim"; exit 1; }
# A process group of its own with a session bus of its own: the accessibility registry, which
# reads the notices' texts, is started by the bus detached from its starter, and only its
# process group still tells it is ours.
if [ -z "${T10_INSIDE_SESSION:-}" ]; then
    T10_INSIDE_SESSION=1 exec setsid --wait dbus-run-session -- bash "$0" "$@"
fi
tree="/usr/bin/python3 $here/../accessibility/atspi_tree.py Tempestina10"
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$here/../support/x_windows.sh"

listing="$work/processes"
source "$here/../support/process_group.sh"
pid=
finish() {
    local status=$?
    # A program left stopped would not end on its signal.
    [ -n "$pid" ] && kill -CONT "$pid" 2>/dev/null
    end_ours || status=1
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    import -window root /tmp/clocks_moved_x_fail.png 2>/dev/null && echo "screen: /tmp/clocks_moved_x_fail.png"
    echo "The program said:"
    cat "$work/out.log" 2>/dev/null
    exit 1
}

# The zone the program and this script read local times in.
export TZ=Europe/Rome
[ -f /usr/share/zoneinfo/$TZ ] || fail "no zone $TZ on this machine"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

shifts="$work/shifts"
# Replaced whole, never written in place: the library sees a new file, never half of one.
setShifts() { # boot_ms wall_ms
    printf '%s %s\n' "$1" "$2" >"$shifts.new" && mv "$shifts.new" "$shifts"
}
nowMs() { date +%s%3N; }
# The wall offset that makes the program's local time that time of today now.
wallOffsetTo() { # HH:MM:SS
    echo $(($(date -d "$(date +%F) $1" +%s) * 1000 - $(nowMs)))
}
# With the sanitizers, their runtime must come first among the preloaded libraries.
preload=$shim
asan=$(ldd "$program" | awk '/libasan/ { print $3 }')
[ -n "$asan" ] && preload="$asan:$shim"
start() { # folder: the program started there under the library
    (cd "$1" && LD_PRELOAD=$preload T10_CLOCK_SHIFT=$shifts exec "$program") >"$work/out.log" 2>&1 &
    pid=$!
}
# After the program has shown a window: the library is in it.
checkPreloaded() {
    grep -qF "$shim" "/proc/$pid/maps" || fail "the clock library is not loaded in the program"
}
# What "Data odierna :" is followed by on the screen: Label5.
label5() { $tree says | grep -x -A1 "Data odierna :" | sed -n 2p; }
tempestinaWindows() { xdotool search --onlyvisible --name '^Tempestina10$' 2>/dev/null | wc -l; }
stop() { # the program of $pid ended
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=
}

# --- A suspend ------------------------------------------------------------------------------
# 10:00 in the morning: the 30 minutes asleep cross no midnight.
wall=$(wallOffsetTo 10:00:00)
setShifts 0 "$wall"
mkdir "$work/suspend"
start "$work/suspend"
# An empty card: "Non ci sono scadenze immediate!" first, then on to the main window.
form1=$(waitWindow Form1) || fail "Form1 did not appear"
checkPreloaded
sleep 0.5
clickIn "$form1" 216 48                       # "Apri per inserire nuova scadenza"
main=$(waitWindow Tempestina10) || fail "the main window did not appear"
sleep 1
clickIn "$main" 316 16                        # Command5: the alarm panel
clickIn "$main" 236 58                        # cboAl: its first entry, "Telefonata"
xdotool key Down Return
sleep 0.5
clickIn "$main" 305 90                        # cboMin's arrow: the list opens on "1"
xdotool key Return
sleep 0.5
clickIn "$main" 600 70                        # TestoAl
xdotool type --delay 30 'Chiama Rossi'
clickIn "$main" 332 92                        # cmdMinimiz, "OK": armed
armed=$(nowMs)

sleep 5
waitTenths=1 waitWindow Form3 >/dev/null && fail "Form3 came 5 s after arming, with no clock moved"
echo "PASS: no notice 5 s after arming"
kill -STOP "$pid"
# Asleep for 30 minutes: the boot and the wall clocks run on, the monotonic one does not.
setShifts $((30 * 60 * 1000)) $((wall + 30 * 60 * 1000))
sleep 2
kill -CONT "$pid"
woken=$(nowMs)
waitTenths=50 waitWindow Form3 >/dev/null || fail "Form3 did not appear within 5 s of waking"
now=$(nowMs)
echo "PASS: Form3 came $((now - woken)) ms after waking, $((now - armed)) ms after arming"
stop

# --- A midnight -----------------------------------------------------------------------------
# Slot 1 falls due tomorrow, one day's advance: due soon today, due today after midnight.
wall=$(wallOffsetTo 23:59:30)
setShifts 0 "$wall"
day=$(date -d "@$((($(nowMs) + wall) / 1000))" +%F)
today=$(date -d "$day" +%d/%m/%y)
tomorrow=$(date -d "$day + 1 day" +%d/%m/%y)
# Midnight on the program's clock, in real milliseconds.
midnight=$(($(date -d "$day + 1 day 00:00:00" +%s) * 1000 - wall))
mkdir "$work/midnight"
python3 - "$work/midnight/Archivio.DAT" "$tomorrow" <<'PY' || fail "cannot write the archive"
import sys
fields = [""] * 30
fields[1] = sys.argv[2]            # slot 1's date box, txtTelefono
fields[10] = "Bolletta del gas"    # R1
fields[20:30] = ["1"] * 10         # every slot's advance days
open(sys.argv[1], "wb").write(b"".join(f.encode().ljust(100) for f in fields) + b"\0\0")
PY
start "$work/midnight"
box=$(waitWindow Tempestina10) || fail "no notice at the start"
checkPreloaded
sleep 1
said=$($tree says)
grep -qx "A breve hai qualche scadenza!" <<<"$said" || fail "the start's notice does not read 'A breve hai qualche scadenza!'"
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
form1=$(waitWindow Form1) || fail "Form1 did not appear at 23:59 with nothing due today"
sleep 0.5
clickIn "$form1" 216 48                       # "Apri per inserire nuova scadenza"
main=$(waitWindow Tempestina10) || fail "the main window did not appear"
sleep 1
[ "$(label5)" = "$today" ] || fail "Label5 reads '$(label5)' before midnight, not $today"
slot1=$($tree describe "Data scadenza 1")
[[ $slot1 == "SCADENZA TRA' BREVE."* ]] || fail "slot 1 is told as '$slot1' before midnight"
# Just before midnight on the program's clock, nothing new.
ahead=$((midnight - 2000 - $(nowMs)))
[ "$ahead" -gt 0 ] || fail "the start took past 23:59:58"
echo "the main window was up at 23:59:$((58 - ahead / 1000))"
sleep "$(printf '%d.%03d' $((ahead / 1000)) $((ahead % 1000)))"
[ "$(tempestinaWindows)" = 1 ] || fail "a window besides the main one before midnight"
echo "PASS: Label5 reads $today, slot 1 is due soon, nothing new before midnight"

# The check is just past the minute: within 4 s of midnight.
for _ in $(seq 1 60); do
    [ "$(tempestinaWindows)" -ge 2 ] && break
    sleep 0.1
done
[ "$(tempestinaWindows)" -ge 2 ] || fail "no notice within 4 s after midnight"
sleep 1
said=$($tree says)
grep -qx "Oggi hai qualche scadenza!" <<<"$said" || fail "the notice after midnight does not read 'Oggi hai qualche scadenza!'"
echo "PASS: 'Oggi hai qualche scadenza!' after midnight"
box=$(xdotool search --onlyvisible --name '^Tempestina10$' | grep -vx "$main" | head -n 1)
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
sleep 1
waitTenths=10 waitWindow Form1 >/dev/null && fail "Form1 was offered after midnight"
[ "$(tempestinaWindows)" = 1 ] || fail "another window after the notice"
[ "$(label5)" = "$tomorrow" ] || fail "Label5 reads '$(label5)' after midnight, not $tomorrow"
slot1=$($tree describe "Data scadenza 1")
[[ $slot1 == "SCADENZA OGGI."* ]] || fail "slot 1 is told as '$slot1' after midnight"
echo "PASS: Label5 reads $tomorrow, slot 1 is due today, no Form1"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
stop
echo "PASS"
