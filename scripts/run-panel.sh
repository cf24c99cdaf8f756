#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit programs and starts the control panel in its
# running role under Wine, against the simulated device. With DISPLAY set the panel opens
# on that display until it is closed; without one it runs on a private X server, a
# screenshot is saved and the panel is ended.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/bootstrap.sh"
"$ROOT/scripts/build.sh" win32

. "$ROOT/scripts/wine-env.sh"
trv_make_prefix
export TRV42XX_SIMULATOR=1
stage=$ROOT/build/win32/stage
panel=(wine "$stage/Kestrel.exe" -servicestart)

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting the panel on $DISPLAY; close it from its window or tray menu."
  trv_start_wineserver
  timeout 12h "${panel[@]}" || true
  trv_stop_wine
  exit 0
fi

cleanup() { trv_stop_wine; trv_stop_xvfb; }
trap cleanup EXIT
trv_start_xvfb
trv_start_wineserver
timeout 120 "${panel[@]}" >/dev/null 2>&1 &
# The 32-bit panel starts through an emulator; give it time to show its window.
# The window exists before it is shown (the device's start-up pauses come first): wait until
# it is mapped.
shown() {
  local id
  for id in $(xwininfo -root -tree -display "$DISPLAY" 2>/dev/null | awk '/819x513/ {print $1}'); do
    xwininfo -id "$id" -display "$DISPLAY" 2>/dev/null | grep -q 'IsViewable' && return 0
  done
  return 1
}
for _ in $(seq 1 60); do
  sleep 1
  shown && break
done
sleep 2
mkdir -p "$ROOT/artifacts"
shot=$ROOT/artifacts/panel.png
xwd -root -silent -display "$DISPLAY" | convert xwd:- "$shot"
echo "No display is set: the panel ran on a private X server. Screenshot: $shot"
