#!/usr/bin/env bash
# The package's programs run from its tree unpacked into a temporary folder (never installed into
# the machine), on a real X server, each person with a home of their own:
# - a new person: the menu entry started through gio makes their data folder with the starting
#   list and the archive, the window's class is the entry's StartupWMClass, and nothing lands in
#   the working folder; a help sound finds the package's sound and its sound module;
# - two homes at once keep two archives; an existing per-user data folder is used as it is;
# - a second copy for the same person is refused; a data folder that cannot be made is told;
# - the package's Pontilo writes only a valid login entry with TryExec, which dex starts, and
#   which starts nothing once the program is gone.
# usage: package_run.sh <folder holding the .deb>
set -u
debs=("${1:?folder of the package}"/tempestina10_*_amd64.deb)
source "$(dirname "$0")/../support/program_run.sh"
source "$(dirname "$0")/../support/x_windows.sh"
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "not one package in $1"
id=example.c_seed_10e98e39.Tempestina10
triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
tree="$work/albero scompattato è"
dpkg-deb -x "${debs[0]}" "$tree" || fail "cannot unpack ${debs[0]}"
program="$tree/usr/bin/tempestina10"
cwd="$work/cartella di lancio"
mkdir "$cwd"
# Every process gets its own home below; none reads the XDG folders of the test's.
unset XDG_DATA_HOME XDG_CONFIG_HOME
pids=()
finish() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap finish EXIT

# The visible window of that process and title, waiting up to 10 s.
waitWindowOf() { # pid title -> window id
    local w
    for _ in $(seq 1 100); do
        for w in $(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null); do
            echo "$w"
            return 0
        done
        sleep 0.1
    done
    return 1
}
# Starts the program in the working folder with that home; sets started to its pid.
startFor() { # home [env assignment...]
    local home=$1
    shift
    mkdir -p "$home"
    (cd "$cwd" && HOME="$home" exec env "$@" "$program") >>"$work/out.log" 2>&1 &
    started=$!
    pids+=("$started")
}
endProgram() { # pid
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
exitStatus() { # pid: waits up to 10 s for it to end
    for _ in $(seq 1 100); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return; }
        sleep 0.1
    done
    return 255
}
# Return in that window: a message box's OK. Sent events are ignored; a focused window takes keys.
pressReturn() { # window
    xdotool windowfocus --sync "$1" key Return 2>/dev/null
}
cwdIsEmpty() {
    [ -z "$(ls -A "$cwd")" ] || fail "$1: written into the working folder: $(ls -A "$cwd")"
}
today=$(date +%d/%m/%y)

# A new person, through the package's menu entry as a desktop launches it.
anna="$work/anna"
mkdir -p "$anna"
(cd "$cwd" && HOME="$anna" PATH="$tree/usr/bin:$PATH" gio launch "$tree/usr/share/applications/$id.desktop") \
    >>"$work/out.log" 2>&1 || fail "gio launch failed"
form1=$(waitWindow Form1) || fail "the menu entry started no program"
pid=$(xdotool getwindowpid "$form1")
pids+=("$pid")
data="$anna/.local/share/Tempestina10"
[ -f "$data/Archivio.DAT" ] || fail "no archive in the new person's data folder"
cmp -s "$data/lista.txt" "$tree/usr/share/tempestina10/lista.txt" || fail "no starting list for the new person"
[ "$(ls -A "$data" | sort | tr '\n' ' ')" = "Archivio.DAT lista.txt " ] ||
    fail "the new data folder holds $(ls -A "$data")"
cwdIsEmpty "menu entry"
[ "$(readlink "/proc/$pid/cwd")" = "$data" ] || fail "the program works in $(readlink "/proc/$pid/cwd")"
xprop -id "$form1" WM_CLASS | grep -qF '"Tempestina10"' ||
    fail "the window's class is not the entry's StartupWMClass: $(xprop -id "$form1" WM_CLASS)"
echo "PASS: the menu entry made the new person's data folder and left the working folder alone"

# The calendar's help plays calend.wav: the person has none, so it is the package's, and the
# sound module loads from the package's library folder only for a file that is there.
sleep 0.5
clickIn "$form1" 216 48
main=$(waitWindowOf "$pid" Tempestina10) || fail "the main window did not appear"
sleep 1
clickIn "$main" 256 16          # cmdCal: twips 3360,0,975,495
sleep 0.5
clickIn "$main" 236 159         # cmdInfoC, on the calendar panel: twips 3360,2220,375,330
module="$tree/usr/lib/$triplet/tempestina10/libt10sound.so"
for _ in $(seq 1 50); do
    grep -qF "$module" "/proc/$pid/maps" && break
    sleep 0.1
done
grep -qF "$module" "/proc/$pid/maps" || fail "the help sound did not load $module"
echo "PASS: the package's sound and sound module were found from the program's place"
endProgram "$pid"

# Two people at once. Bruno has a data folder of his own already, as the per-user install left
# it: an archive with a deadline due today, his list and his own sound, all kept as they are.
bruno="$work/bruno"
bdata="$bruno/.local/share/Tempestina10"
mkdir -p "$bdata"
python3 - "$bdata/Archivio.DAT" "$today" <<'PY' || fail "cannot write Bruno's archive"
import struct, sys
fields = [b""] * 30
fields[1] = sys.argv[2].encode()
fields[10] = "Bollo auto > di Bruno".encode("cp1252")
for f in range(20, 30):
    fields[f] = b"0"
open(sys.argv[1], "wb").write(b"".join(f.ljust(100) for f in fields) + struct.pack("<h", 0))
PY
printf 'Tipo di Bruno\r\n' >"$bdata/lista.txt"
printf 'RIFF di Bruno' >"$bdata/mio.wav"
(cd "$bdata" && sha256sum Archivio.DAT lista.txt mio.wav) >"$work/bruno.sums"
startFor "$anna"
annaPid=$started
startFor "$bruno"
brunoPid=$started
waitWindowOf "$annaPid" Form1 >/dev/null || fail "Anna's second start did not show Form1"
waitWindowOf "$brunoPid" Tempestina10 >/dev/null ||
    fail "Bruno's start gave no notice of his deadline due today"
waitWindowOf "$brunoPid" Form1 >/dev/null 2>&1 && fail "Bruno's archive was read as Anna's, empty"
(cd "$bdata" && sha256sum -c --quiet "$work/bruno.sums") || fail "Bruno's files were changed"
[ "$(ls -A "$bdata" | sort | tr '\n' ' ')" = "Archivio.DAT lista.txt mio.wav " ] ||
    fail "Bruno's folder now holds $(ls -A "$bdata")"
cmp -s "$data/Archivio.DAT" "$bdata/Archivio.DAT" && fail "the two people share one archive"
cwdIsEmpty "two people"
echo "PASS: two homes keep two archives; an existing data folder is used as it is"

# A second copy for Anna, while hers runs: refused by the archive's lock, with a message.
startFor "$anna"
second=$started
box=$(waitWindowOf "$second" Tempestina10) || fail "the second copy showed no message"
pressReturn "$box"
exitStatus "$second"
status=$?
[ "$status" -eq 1 ] || fail "the second copy ended with $status, not 1"
kill -0 "$annaPid" 2>/dev/null || fail "the first copy ended too"
endProgram "$annaPid"
endProgram "$brunoPid"
echo "PASS: a second copy for the same person is refused"

# A data folder that cannot be made: a file stands where its parent should be.
carla="$work/carla"
mkdir -p "$carla"
printf 'un file' >"$carla/dati"
startFor "$carla" XDG_DATA_HOME="$carla/dati"
box=$(waitWindowOf "$started" Tempestina10) || fail "no message for a data folder that cannot be made"
pressReturn "$box"
exitStatus "$started"
status=$?
[ "$status" -eq 1 ] || fail "a data folder that cannot be made ended with $status, not 1"
grep -qi 'Impossibile creare la cartella dei dati' "$work/out.log" && fail "the message went to the log only"
cwdIsEmpty "unmakeable folder"
echo "PASS: a data folder that cannot be made is told and ends the program"

# The package's Pontilo, run by Dario as a command.
dario="$work/dario"
mkdir -p "$dario"
(cd "$cwd" && HOME="$dario" exec "$tree/usr/bin/pontilo") >>"$work/out.log" 2>&1 &
pontilo=$!
pids+=("$pontilo")
waitWindowOf "$pontilo" "Aggiunge link ad Esecuzione automaticha" >/dev/null || fail "Pontilo showed no window"
exitStatus "$pontilo"
status=$?
[ "$status" -eq 0 ] || fail "Pontilo ended with $status"
entry="$dario/.config/autostart/$id.desktop"
[ "$(cd "$dario" && find . -type f | sort | tr '\n' ' ')" = "./.config/autostart/$id.desktop " ] ||
    fail "Pontilo wrote $(cd "$dario" && find . -type f)"
desktop-file-validate "$entry" || fail "Pontilo's entry does not validate"
grep -qxF "Exec=\"$program\"" "$entry" || fail "Pontilo's entry runs another program: $(cat "$entry")"
grep -qxF "TryExec=$program" "$entry" || fail "Pontilo's entry has no TryExec of the program"
grep -qxF "Icon=$id" "$entry" || fail "Pontilo's entry has not the package's icon"
grep -q '^Path=' "$entry" && fail "Pontilo's entry sets a working folder"
cwdIsEmpty "Pontilo"

# Dario logs in: the session's autostart (dex) starts the program from his entry alone.
nosystem="$work/no-system-autostart"
mkdir -p "$nosystem"
(cd "$cwd" && HOME="$dario" XDG_CONFIG_DIRS="$nosystem" dex --autostart --environment GNOME) \
    >>"$work/out.log" 2>&1 || fail "dex failed"
for _ in $(seq 1 100); do
    login=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1)
    [ -n "$login" ] && break
    sleep 0.1
done
[ -n "$login" ] || fail "the login entry started no program"
loginPid=$(xdotool getwindowpid "$login")
pids+=("$loginPid")
[ -f "$dario/.local/share/Tempestina10/Archivio.DAT" ] || fail "the login start made no data folder for Dario"
endProgram "$loginPid"
# Once the program is gone, the entry starts nothing (a dry run lists what a login would run).
plan() {
    (cd "$cwd" && HOME="$dario" XDG_CONFIG_DIRS="$nosystem" dex --autostart --dry-run --environment GNOME 2>&1)
}
planned=$(plan)
grep -qF "$program" <<<"$planned" || fail "a dry run does not list the program: $planned"
mv "$program" "$program.tolto"
planned=$(plan)
grep -qF tempestina10 <<<"$planned" && fail "without the program the entry would still run: $planned"
mv "$program.tolto" "$program"
cwdIsEmpty "login"
echo "PASS: the package's Pontilo writes a login entry that dex starts and that TryExec stops"

echo "package_run: all checks passed"
