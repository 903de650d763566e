# Sourced by the test scripts that start the real program: a run folder $work with the
# program's own runtime folder in it; at exit, the program of $pid (when set) ended and $work
# removed. fail() ends the script with a picture of the screen and what the program wrote to
# $work/out.log.
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pid=
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
fail() {
    local screen
    screen="/tmp/$(basename "$0" .sh)_fail.png"
    echo "FAIL: $*"
    import -window root "$screen" 2>/dev/null && echo "screen: $screen"
    if [ -s "$work/out.log" ]; then
        echo "The program said:"
        cat "$work/out.log"
    fi
    exit 1
}
