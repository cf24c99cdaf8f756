#!/usr/bin/env bash
# Runs the simulated device's control tool (32-bit build) under the project's Wine prefix:
#   scripts/devsim.sh unplug | plug | dump journal | ...   (scripts/devsim.sh alone lists the commands)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
exe=$ROOT/build/win32/bin/devsim.exe
[ -f "$exe" ] || "$ROOT/scripts/build.sh" win32 >/dev/null || exit 1
"$ROOT/scripts/wine-run.sh" "$exe" "$@" | tr -d '\r'
exit "${PIPESTATUS[0]}"
