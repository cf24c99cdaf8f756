#!/usr/bin/env bash
# Installs what is missing, builds the three builds and runs every test: natively under
# the sanitizers, and the Windows builds under Wine (32-bit through qemu) with a private
# X server. Ends with one line "N passed, N failed".
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
started=$(date +%s)

"$ROOT/scripts/bootstrap.sh" || { echo "0 passed, 1 failed"; exit 1; }
"$ROOT/scripts/build.sh" || { echo "0 passed, 1 failed"; exit 1; }
built=$(date +%s)

. "$ROOT/scripts/wine-env.sh"
cleanup() { trv_stop_wine; trv_stop_xvfb; }
trap cleanup EXIT
trv_make_prefix || { echo "0 passed, 1 failed"; exit 1; }
# Windows under test never appear on the user's own display.
unset DISPLAY
trv_start_xvfb || { echo "0 passed, 1 failed"; exit 1; }
trv_start_wineserver

timings=()
for b in native win32 win64; do
  dir=$ROOT/build/$b
  rm -rf "$dir/test-results" "$dir/ctest-junit.xml"
  jobs=1
  [ $b = native ] && jobs=$(nproc)
  t0=$(date +%s)
  echo "== testing $b"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --output-junit "$dir/ctest-junit.xml"
  timings+=("$b $(( $(date +%s) - t0 ))s")
done

echo "== build $((built - started))s; tests: ${timings[*]}; total $(( $(date +%s) - started ))s"
"$ROOT/scripts/summarize-tests.sh" "$ROOT/build/native" "$ROOT/build/win32" "$ROOT/build/win64"
