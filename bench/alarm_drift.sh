#!/bin/bash
# Builds and runs the alarm drift measurement: an alarm of MINUTES (10 unless given) on the
# real main window, offscreen.
# Usage: bench/alarm_drift.sh BUILD_DIR [MINUTES]   (BUILD_DIR: build/release, say)
set -euo pipefail
build=${1:?build folder}
cmake --build "$build" --target alarm_drift
XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen "$build/bench/alarm_drift" "${2:-10}"
