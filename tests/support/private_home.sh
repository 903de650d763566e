#!/bin/bash
# Runs one test with a home, XDG folders, runtime folder and session bus of its own, removed
# afterwards: no test writes into the user's home, autostart or menu folders. A process the
# test leaves behind fails it.
# Usage: private_home.sh COMMAND [ARGUMENT...]
private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT
export HOME="$private/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
export XDG_DATA_HOME="$HOME/.local/share" XDG_RUNTIME_DIR="$private/runtime"
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Every process of the test carries it, so that one left behind can be found.
export T10_TEST_SESSION="$private"

# Without a session bus, a program would have one autolaunched (dbus-x11), writing into the
# home and outliving the test.
status=0
dbus-run-session -- "$@" || status=$?
unset T10_TEST_SESSION

leftovers() {
    local p
    for p in /proc/[0-9]*; do
        grep -qzxF "T10_TEST_SESSION=$private" "$p/environ" 2>/dev/null && echo "${p#/proc/}"
    done
}
# The bus and the servers take a moment to go after their signal.
left=()
for _ in $(seq 30); do
    mapfile -t left < <(leftovers)
    [ ${#left[@]} -eq 0 ] && exit "$status"
    sleep 0.1
done
for pid in "${left[@]}"; do
    echo "FAIL: left behind: $pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)" >&2
    kill "$pid" 2>/dev/null
done
exit 1
