#!/bin/bash
# Start-up and idle cost of Tempestina10 against a bare Qt window and, for the idle cost, against
# the floor program (only the main window's mandated motion), in one run on one X server.
# Usage: bench.sh PROGRAM_FOLDER BENCH_BUILD_FOLDER [STARTS] [IDLE_SECONDS]
#        bench.sh --starts N PROGRAM_FOLDER BENCH_BUILD_FOLDER   (N starts, each on a fresh X
#        server, without and then with a sound server; counts the starts with no window)
# Runs itself under xvfb-run with openbox. Timings are noisy: the two programs alternate and
# the figures are medians.
set -euo pipefail

starts_mode=
if [ "${1:-}" = "--starts" ]; then
    starts_mode=$2
    shift 2
fi
dist=$(cd "${1:?program folder}" && pwd)
tools=$(cd "${2:?bench build folder}" && pwd)
rounds=${3:-7}
span=${4:-60}
# Room for the main window and the floor program one above the other.
screen="-screen 0 1600x1280x24"
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Card 1 of an archive: slot 1 due on the given day ("" for none), every days box 1.
write_card() {
    python3 - "$1" "$2" <<'PY'
import sys
fields = [b" " * 100 for _ in range(30)]
fields[1] = sys.argv[2].encode().ljust(100)
for f in range(20, 30):
    fields[f] = b"1".ljust(100)
open(sys.argv[1], "wb").write(b"".join(fields) + b"\0\0")
PY
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

# One start in the given working folder: "mapped_ms=.. rss_kb=.. status=..".
one_start() {
    local folder=$1
    shift
    (cd "$folder" && "$tools/first_map" 1500 "$@" 2>>"$work/stderr.log")
}
# The same, then "Apri" on Form1: "opened_ms=.." more.
start_and_open() {
    local folder=$1
    shift
    (cd "$folder" && "$tools/first_map" --open 1500 "$@" 2>>"$work/stderr.log")
}

if [ -n "$starts_mode" ]; then
    # Each start is the first of its X session, as at a login.
    run_starts() {
        local label=$1 failed=0 i line
        mkdir -p "$work/starts"
        for ((i = 1; i <= starts_mode; i++)); do
            rm -f "$work/starts/Archivio.DAT"
            line=$(xvfb-run -a -s "$screen" bash -c \
                'openbox >/dev/null 2>&1 & wm=$!; sleep 0.5; cd "$1" && "$2" 300 "$3"; kill $wm' \
                _ "$work/starts" "$tools/first_map" "$dist/Tempestina10" 2>>"$work/stderr.log" ||
                true)
            case "$line" in
            *status=mapped*) ;;
            *) failed=$((failed + 1)); echo "  start $i: ${line:-no output}" ;;
            esac
        done
        echo "$label: $((starts_mode - failed)) of $starts_mode starts reached their first window"
    }
    (unset PULSE_SERVER; run_starts "no sound server")
    if command -v pulseaudio >/dev/null; then
        pulseaudio --daemonize=no --exit-idle-time=-1 -n \
            -L module-null-sink -L module-native-protocol-unix >/dev/null 2>&1 &
        pids+=($!)
        for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break; sleep 0.1; done
        [ -S "$XDG_RUNTIME_DIR/pulse/native" ] || { echo "pulseaudio did not start"; exit 1; }
        run_starts "pulseaudio running"
    else
        echo "pulseaudio not installed: no starts with a sound server"
    fi
    exit 0
fi

if [ -z "${BENCH_IN_X:-}" ]; then
    BENCH_IN_X=1 exec xvfb-run -a -s "$screen" bash "$0" "$dist" "$tools" "$rounds" "$span"
fi
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Three working folders: no deadline today (Form1 first), the same card in a 1 GiB archive,
# and slot 1 due today (a message, then the main window) for the idle figures.
mkdir -p "$work/empty" "$work/big" "$work/today"
write_card "$work/empty/Archivio.DAT" ""
cp "$work/empty/Archivio.DAT" "$work/big/Archivio.DAT"
# Blocks really allocated, not a sparse file.
fallocate -l 1G "$work/big/Archivio.DAT"
write_card "$work/today/Archivio.DAT" "$(date +%d/%m/%y)"

echo "Starts: $rounds rounds of Tempestina10 (empty archive), bare Qt window, Tempestina10 (1 GiB archive)"
for ((i = 1; i <= rounds; i++)); do
    start_and_open "$work/empty" "$dist/Tempestina10" >>"$work/t10"
    one_start "$work/empty" "$tools/bare_window" >>"$work/bare"
    one_start "$work/big" "$dist/Tempestina10" >>"$work/big.txt"
done
for f in t10 bare big.txt; do
    if grep -qv 'status=mapped' "$work/$f"; then
        echo "failed starts ($f):"
        grep -v 'status=mapped' "$work/$f"
    fi
done
t10_ms=$(field mapped_ms <"$work/t10" | median)
bare_ms=$(field mapped_ms <"$work/bare" | median)
big_ms=$(field mapped_ms <"$work/big.txt" | median)
t10_cpu=$(field cpu_ms <"$work/t10" | median)
bare_cpu=$(field cpu_ms <"$work/bare" | median)
t10_rss=$(field rss_kb <"$work/t10" | median)
t10_open=$(field opened_ms <"$work/t10" | median)
bare_rss=$(field rss_kb <"$work/bare" | median)

# Idle: Tempestina10 and the floor program at once, each with its window shown, then each
# minimised. Processor time of every thread (the floor's movies scale their frames on Qt's pool
# threads, and both read the X connection on a thread of its own), from schedstat in
# nanoseconds rather than /proc/PID/stat's 10 ms ticks: "tid ns" lines.
threads_ns() {
    local t
    for t in /proc/"$1"/task/*; do
        echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat" 2>/dev/null)"
    done
}
# The time spent between two snapshots. A thread born in between counts from nothing; one that
# ended in between is left out (Qt's pool threads end after 30 s with nothing to do).
spent_ns() {
    awk 'NR == FNR { before[$1] = $2; next } $2 != "" { s += $2 - before[$1] } END { print s + 0 }' "$1" "$2"
}
main_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }
find_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window '$2' of process $1" >&2
    return 1
}

# "Esci": from the click on cmdEsci to the program's end (the days check, the save of card 1
# with every sync it waits for, Qt's ending), xdotool's own start included, in ms.
exit_once() {
    local pid form1 main started
    (cd "$work/esci" && exec "$dist/Tempestina10") >>"$work/stderr.log" 2>&1 &
    pid=$!
    pids+=($pid)
    form1=$(find_window "$pid" '^Form1$') || return 1
    xdotool windowactivate --sync "$form1" key Return
    main=$(find_window "$pid" '^Tempestina10$') || return 1
    sleep 1
    # cmdEsci: twips 120,0,735,495.
    xdotool mousemove --window "$main" 32 16
    sleep 0.3
    started=$(date +%s%N)
    xdotool click 1
    wait "$pid" || true
    echo $((($(date +%s%N) - started) / 1000000))
}
mkdir -p "$work/esci"
cp "$work/empty/Archivio.DAT" "$work/esci/Archivio.DAT"
esci_fs=$(stat -f -c %T "$work/esci")
echo "Esci: $rounds rounds, card 1 saved on $esci_fs"
for ((i = 1; i <= rounds; i++)); do
    exit_once >>"$work/esci.txt" || echo "Esci round $i: no window"
    if [ -e "$work/esci/Archivio.DAT.giornale" ]; then echo "Esci round $i left a journal behind"; fi
done
esci_ms=$(median <"$work/esci.txt")

(cd "$work/today" && exec "$dist/Tempestina10") >>"$work/stderr.log" 2>&1 &
t10_pid=$!
pids+=($t10_pid)
(cd "$work/empty" && exec "$tools/floor_window") >>"$work/stderr.log" 2>&1 &
bare_pid=$!
pids+=($bare_pid)
# "Oggi hai qualche scadenza!" first, then the main window.
box=$(find_window "$t10_pid" '^Tempestina10$')
xdotool windowactivate --sync "$box" key Return
sleep 1
main=$(find_window "$t10_pid" '^Tempestina10$')
bare=$(find_window "$bare_pid" '^floor$')
# Side by side they would cover each other, and a covered window draws less.
xdotool windowmove --sync "$main" 0 0
xdotool windowmove --sync "$bare" 0 640
sleep 3

# The caption picture at one place on a few shots: it must go on flickering while shown.
caption_pictures() {
    local i
    for i in 1 2 3 4 5 6; do
        import -window "$main" -crop 121x129+344+0 "$work/cap$i.png"
        md5sum <"$work/cap$i.png"
        sleep "0.$((RANDOM % 90 + 10))"
    done | sort -u | wc -l
}
# "T10 floor T10_main_thread floor_main_thread", in % of a core.
idle() {
    local tm bm
    threads_ns "$t10_pid" >"$work/t10.before"
    threads_ns "$bare_pid" >"$work/floor.before"
    tm=$(main_ns "$t10_pid") bm=$(main_ns "$bare_pid")
    sleep "$span"
    threads_ns "$t10_pid" >"$work/t10.after"
    threads_ns "$bare_pid" >"$work/floor.after"
    awk -v t="$(spent_ns "$work/t10.before" "$work/t10.after")" \
        -v b="$(spent_ns "$work/floor.before" "$work/floor.after")" \
        -v tm=$(($(main_ns "$t10_pid") - tm)) -v bm=$(($(main_ns "$bare_pid") - bm)) -v s="$span" \
        'BEGIN { c = 1e7 * s; printf "%.3f %.3f %.3f %.3f\n", t / c, b / c, tm / c, bm / c }'
}
echo "Idle: ${span} s shown, then ${span} s minimised (caption: $(caption_pictures) distinct pictures in 6 shots)"
read -r t10_shown bare_shown t10_shown_main bare_shown_main < <(idle)
xdotool windowminimize --sync "$main"
xdotool windowminimize --sync "$bare"
sleep 2
read -r t10_min bare_min _ _ < <(idle)

echo
awk -v tm="$t10_ms" -v bm="$bare_ms" -v tc="$t10_cpu" -v bc="$bare_cpu" -v gm="$big_ms" -v tr="$t10_rss" -v br="$bare_rss" \
    -v ts="$t10_shown" -v bs="$bare_shown" -v tsm="$t10_shown_main" -v bsm="$bare_shown_main" -v tn="$t10_min" -v bn="$bare_min" -v op="$t10_open" -v ex="$esci_ms" -v fs="$esci_fs" 'BEGIN {
    printf "| figure | Tempestina10 | bare Qt (idle: floor program) | ratio |\n| --- | --- | --- | --- |\n"
    printf "| spawn to first window mapped (Form1) | %.0f ms | %.0f ms | %.2f |\n", tm, bm, tm / bm
    printf "| processor time until then (10 ms ticks) | %.0f ms | %.0f ms | %.2f |\n", tc, bc, tc / bc
    printf "| resident memory with that window shown | %.1f MB | %.1f MB | %.2f |\n", tr / 1024, br / 1024, tr / br
    printf "| CPU while idle, main window shown | %.3f %% | %.3f %% | %.2f |\n", ts, bs, (bs > 0 ? ts / bs : 0)
    printf "| the same, main threads only | %.3f %% | %.3f %% | %.2f |\n", tsm, bsm, (bsm > 0 ? tsm / bsm : 0)
    printf "| CPU while idle, minimised | %.3f %% | %.3f %% | |\n", tn, bn
    printf "| start with a 1 GiB archive | %.0f ms | %.0f ms (empty) | %.2f |\n", gm, tm, gm / tm
    printf "| \"Apri\" on Form1 to the main window mapped | %.0f ms | | |\n", op
    printf "| \"Esci\" to the program'"'"'s end (card 1 saved on %s) | %.0f ms | | |\n", fs, ex
    printf "\nratios: start %.2f, memory %.2f, 1 GiB archive %.2f, idle shown %.2f of the floor; idle %.3f %% minimised; Apri %.0f ms; Esci %.0f ms\n",
        tm / bm, tr / br, gm / tm, (bs > 0 ? ts / bs : 0), tn, op, ex
}'
