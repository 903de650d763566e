#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix, quietly, with the folders of
# T10_WINE_DLL_DIRS (colon-separated) on Wine's DLL search path. The first run makes the prefix
# (wineboot, some 20 s); later runs reuse it.
# A Wine session takes the display of the program that starts it, and every program of the
# prefix joins the running session. So programs without a window on screen run without one;
# with --x, the program runs on $DISPLAY in a session of its own, ended when it ends, in a
# prefix that only such programs use, one at a time.
# usage: wine.sh [--x] <prefix> <program.exe> [arguments...]
set -euo pipefail
onX=0
if [ "${1:-}" = --x ]; then
    onX=1
    shift
fi
prefix=${1:?prefix}
shift
[ "$onX" -eq 1 ] || unset DISPLAY
# T10_WINEDEBUG: a channel a test reads, such as +relay.
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${T10_WINEDEBUG:--all}
# No menu entries on the real desktop for the shortcuts the tests write; no Mono or Gecko.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
# The prefix's profile folders link into HOME: a private one keeps the real home out of reach.
export HOME=$prefix-home
mkdir -p "$HOME"
# Wine passes no QT_ variable on; Qt reads this one from the prefix's user environment. It sends
# Qt's messages and test logs to stderr and stdout: without a Windows console Qt would pass
# them to the debugger only.
if ! grep -qs QT_FORCE_STDERR_LOGGING "$WINEPREFIX/user.reg"; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/system.reg" ] || wineboot -i
        grep -qs QT_FORCE_STDERR_LOGGING "$WINEPREFIX/user.reg" ||
            wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
    ) 9>"$WINEPREFIX.lock"
fi
dirs=()
IFS=: read -ra dirs <<<"${T10_WINE_DLL_DIRS:-}"
winepath=""
for d in "${dirs[@]}"; do
    winepath+="Z:${d//\//\\};"
done
export WINEPATH=${winepath%;}
[ "$onX" -eq 1 ] || exec wine "$@"
status=0
wine "$@" || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
