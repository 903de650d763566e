#!/bin/bash
# Builds and runs the alarm drift measurement: a 10-minute alarm on the real window.
# Usage: run_bench.sh BUILD_DIR [MINUTES]
set -euo pipefail
build=${1:?build folder}
cmake --build "$build" -j2 --target alarm_drift_bench
XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen "$build/tests/alarm/alarm_drift_bench" "${2:-10}"
