#!/usr/bin/env bash
# Runs one Windows test program in a Wine prefix made new for it, with the simulated device
# selected for every process of that prefix (the device service and the programs it starts
# included). Setup installs a service, a driver key and programs; the other tests' prefix
# must not see them, and a new user's first installation needs a system that never had them.
# Usage: fresh_prefix_run.sh PREFIX PROGRAM [ARGUMENTS...]
set -u
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$ROOT/scripts/wine-env.sh"
export WINEPREFIX=$(realpath -m "$1")
shift
export TRV42XX_SIMULATOR=1
rm -rf "$WINEPREFIX"
trv_make_prefix || exit 1
# The Windows version the prefix reports, when a test asks for another than Wine's default.
if [ -n "${TRV_PREFIX_WINDOWS:-}" ]; then
  timeout 60 "$WINE64" winecfg /v "$TRV_PREFIX_WINDOWS" >/dev/null 2>&1
fi
# The device service gets its environment from the system's, not from the test.
timeout 60 "$WINE64" reg add 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' \
  /v TRV42XX_SIMULATOR /t REG_SZ /d 1 /f >/dev/null 2>&1
trv_stop_wine
trv_start_wineserver
"$ROOT/scripts/wine-run.sh" "$@"
rc=$?
trv_stop_wine
rm -rf "$WINEPREFIX"
exit $rc
