#!/bin/bash
# CPU use of an idle Tempestina10 over a span with the main window shown, then minimised.
# Usage: [NO_WM=1] cpu_idle.sh PROGRAM_FOLDER [SECONDS]   (runs itself under xvfb-run when no
# DISPLAY; NO_WM=1 leaves openbox out)
# With openbox installed the main window is minimised through the window manager; without
# one, the way a user does it in the program: a click on "Info", which minimises the main
# window and shows the information window (whose own animations then count too).
set -euo pipefail

dist=$(cd "${1:?program folder}" && pwd)
span=${2:-60}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$dist" "$span"
fi
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

work=$(mktemp -d)
pid= wm=
trap 'kill $pid $wm 2>/dev/null || true; rm -rf "$work"' EXIT
if [ -z "${NO_WM:-}" ] && command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
fi

# Card 1 with slot 1 due today: a message instead of the start-up window Form1.
python3 - "$work/Archivio.DAT" <<'PY'
import sys, datetime
fields = [b" " * 100 for _ in range(30)]
fields[1] = datetime.date.today().strftime("%d/%m/%y").encode().ljust(100)
for f in range(20, 30):
    fields[f] = b"1".ljust(100)
open(sys.argv[1], "wb").write(b"".join(fields) + b"\0\0")
PY

cd "$work"
"$dist/Tempestina10" >"$work/log" 2>&1 &
pid=$!

# Dismiss "Oggi hai qualche scadenza!" and wait for the main window (1 pixel = 15 twips).
sleep 3
xdotool key Return
sleep 3
main=$(xdotool search --onlyvisible --name '^Tempestina10$' | head -1)
[ -n "$main" ] || { echo "main window not shown"; cat "$work/log"; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
measure() {
    local before after
    before=$(ticks)
    sleep "$span"
    after=$(ticks)
    awk -v d=$((after - before)) -v hz="$hz" -v s="$span" \
        'BEGIN { printf "%.2f%% of one core (%d ticks in %d s)\n", 100 * d / (hz * s), d, s }'
}
# The caption picture at the same place on a few shots: still means no repaint reached it.
caption_changes() {
    local shots=() i
    for i in 1 2 3 4 5 6; do
        import -window "$main" -crop 121x129+344+0 "$work/cap$i.png"
        shots+=("$(md5sum <"$work/cap$i.png")")
        # Uneven gaps, so that the shots do not fall in step with the 100 ms cycle.
        sleep "0.$((RANDOM % 90 + 10))"
    done
    printf '%s\n' "${shots[@]}" | sort -u | wc -l
}

sleep 2
echo "caption: $(caption_changes) distinct pictures in 6 shots"
echo "shown:     $(measure)"

if [ -n "$wm" ]; then
    xdotool windowminimize "$main"
    sleep 3
    echo "minimised (window manager): $(measure)"
else
    xdotool mousemove 748 12 click 1
    sleep 3
    echo "caption: $(caption_changes) distinct pictures in 6 shots"
    echo "minimised (Info clicked, information window shown): $(measure)"
fi
