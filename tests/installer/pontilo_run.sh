#!/usr/bin/env bash
# Runs the real Pontilo on an X server with a fresh profile: both shortcut folders must end up
# with Tempestina10.lnk and Tempestina10.desktop pointing into Pontilo's folder, the label must
# turn to "OK!" only once all four files exist, the program must end by itself within five
# seconds, and a second run must replace the files without asking anything.
# usage: pontilo_run.sh <program folder holding Pontilo>
set -uo pipefail

dist=${1:?program folder}
source "$(dirname "$0")/../support/checks.sh"

# A folder with a blank and an accented letter, and no Tempestina10 in it: the installer does not
# check that the main program exists.
folder="$work/cartella di prova è"
mkdir -p "$folder"
cp "$dist/Pontilo" "$folder/Pontilo" || { echo "no Pontilo in $dist" >&2; exit 1; }
target="$folder/Tempestina10"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$HOME" "$XDG_RUNTIME_DIR"
# Sanitizer builds: the leak checker reports libdbus's own allocations at exit.
export ASAN_OPTIONS=detect_leaks=0
autostart="$XDG_CONFIG_HOME/autostart"
applications="$XDG_DATA_HOME/applications"
files=("$autostart/Tempestina10.lnk" "$autostart/Tempestina10.desktop"
       "$applications/Tempestina10.lnk" "$applications/Tempestina10.desktop")
title="Aggiunge link ad Esecuzione automaticha"

# All four files written by this run: present and newer than the stamp taken at its start.
allWritten() {
    local f
    for f in "${files[@]}"; do
        [ -s "$f" ] && [ "$f" -nt "$work/stamp" ] || return 1
    done
}

greenPixels() {
    convert "$1" -fill black +opaque "rgb(0,255,0)" -fill white -opaque "rgb(0,255,0)" \
        -format "%[fx:round(mean*w*h)]" info:
}

# Runs Pontilo once, watching its window. Sets: ran_seconds, rc, saw_ok, ok_too_early.
runOnce() {
    local start pid wid="" shot="$work/shot.png" first="" now written
    saw_ok=0
    ok_too_early=0
    rm -f "$work/end" "$work/rc"
    touch "$work/stamp"
    sleep 0.01
    start=$(date +%s%N)
    # The end is stamped by the waiting shell, so a slow look at the window does not delay it.
    (
        cd "$work" || exit
        "$folder/Pontilo" &
        echo $! >"$work/pid"
        wait $!
        echo $? >"$work/rc"
        date +%s%N >"$work/end"
    ) &
    pid=$!
    while [ ! -e "$work/end" ]; do
        if [ -z "$wid" ]; then
            wid=$(xwininfo -name "$title" 2>/dev/null | awk '/Window id:/ {print $4}')
            [ -n "$wid" ] || { sleep 0.05; continue; }
        fi
        # import waits for ever on a window that goes away while it reads it.
        timeout 1 import -window "$wid" "$shot" 2>/dev/null || continue
        # The files are looked at after the picture is taken: a label that showed "OK!" while
        # a file is still missing afterwards was changed too early.
        written=0
        allWritten && written=1
        now=$(greenPixels "$shot")
        if [ -z "$first" ]; then
            first=$now
            [ "$first" -gt 0 ] || fail "no green text in the window at first sight"
        elif [ "$now" -gt 0 ] && [ $((now * 10)) -lt $((first * 6)) ]; then
            # Fewer green pixels than "Attendere...": the label reads "OK!".
            saw_ok=1
            [ "$written" -eq 1 ] || ok_too_early=1
        fi
        [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 8000 ] || break
    done
    if [ ! -e "$work/end" ]; then
        kill "$(cat "$work/pid")"
        fail "Pontilo still running after 8 seconds"
    fi
    wait "$pid"
    rc=$(cat "$work/rc" 2>/dev/null || echo none)
    ran_seconds=$(( ($(cat "$work/end" 2>/dev/null || date +%s%N) - start) / 1000000 ))
    [ -n "$wid" ] || fail "the window \"$title\" never appeared"
}

checkRun() {
    local label=$1 f
    [ "$rc" = 0 ] || fail "$label: exit status $rc"
    [ "$ran_seconds" -le 5000 ] || fail "$label: ended after $ran_seconds ms, not within 5 s"
    [ "$ran_seconds" -ge 2000 ] || fail "$label: ended after $ran_seconds ms, before its three steps"
    [ "$saw_ok" -eq 1 ] || fail "$label: the label never read OK!"
    [ "$ok_too_early" -eq 0 ] || fail "$label: OK! shown before all shortcuts were written"
    allWritten || fail "$label: not all of ${files[*]} written by this run"
    for f in "$autostart/Tempestina10.lnk" "$applications/Tempestina10.lnk"; do
        local info
        info=$(lnkinfo "$f" 2>&1)
        grep -qxF "	Local path			: $target" <<<"$info" || fail "$label: $f target: $info"
        grep -qxF "	Working directory		: $folder" <<<"$info" || fail "$label: $f working folder"
        grep -qxF "	Description			: Coll" <<<"$info" || fail "$label: $f description"
    done
    local quoted
    quoted="Exec=\"$target\""
    for f in "$autostart/Tempestina10.desktop" "$applications/Tempestina10.desktop"; do
        grep -qxF "$quoted" "$f" || fail "$label: $f has no line $quoted"
        grep -qxF "Path=$folder" "$f" || fail "$label: $f working folder"
        desktop-file-validate "$f" || fail "$label: $f does not validate"
    done
    grep -qxF "X-GNOME-Autostart-enabled=true" "$autostart/Tempestina10.desktop" ||
        fail "$label: the autostart entry is not enabled"
}

runOnce
checkRun "first run"

# Stale files of the same names, older than the run: they must be replaced without a question
# (a question box would keep the program from ending by itself).
for f in "${files[@]}"; do
    printf 'vecchio' >"$f"
    touch -d '2001-01-01' "$f"
done
runOnce
checkRun "second run"
for f in "${files[@]}"; do
    ! grep -qF vecchio "$f" || fail "second run: $f not replaced"
done
leftovers=$(find "$autostart" "$applications" -type f ! -name 'Tempestina10.lnk' ! -name 'Tempestina10.desktop')
[ -z "$leftovers" ] || fail "files left behind: $leftovers"

finishChecks "pontilo_run: all checks passed"
