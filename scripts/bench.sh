#!/usr/bin/env bash
# Benchmarks (not part of the test command): builds the Windows builds and runs each
# benchmark program under Wine against the simulated device, in both builds.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/bootstrap.sh"
"$ROOT/scripts/build.sh" win32 win64 >/dev/null

. "$ROOT/scripts/wine-env.sh"
trv_make_prefix
cleanup() { trv_stop_wine; trv_stop_xvfb; }
trap cleanup EXIT
unset DISPLAY
trv_start_xvfb
trv_start_wineserver
export TRV42XX_SIMULATOR=1
for b in win64 win32; do
  timeout 1800 "$ROOT/scripts/wine-run.sh" "$ROOT/build/$b/bin/startup_bench.exe" "${START_RUNS:-9}"
  timeout 600 "$ROOT/scripts/wine-run.sh" "$ROOT/build/$b/bin/eq_slider_bench.exe" "${EQ_MOVES:-200}"
  timeout 900 "$ROOT/scripts/wine-run.sh" "$ROOT/build/$b/bin/panel_idle_bench.exe" "${IDLE_SECONDS:-30}"
done
