#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix, quietly, with the folders of
# T10_WINE_DLL_DIRS (colon-separated) on Wine's DLL search path. The first run makes the prefix
# (wineboot, some 15 s); later runs reuse it.
# usage: wine.sh <prefix> <program.exe> [arguments...]
set -euo pipefail
prefix=${1:?prefix}
shift
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
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
exec wine "$@"
