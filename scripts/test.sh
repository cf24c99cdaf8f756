#!/usr/bin/env bash
# Installs what is missing, builds the three builds and runs every test: natively under
# the sanitizers, and the Windows builds under Wine (32-bit through qemu) with private X
# servers. The two Windows builds run side by side, each with a Wine prefix, a Wine server and
# an X server of its own. Ends with one line "N passed, N failed".
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
started=$(date +%s)

"$ROOT/scripts/bootstrap.sh" || { echo "0 passed, 1 failed"; exit 1; }
"$ROOT/scripts/build.sh" || { echo "0 passed, 1 failed"; exit 1; }
built=$(date +%s)

for b in native win32 win64; do
  rm -rf "$ROOT/build/$b/test-results" "$ROOT/build/$b/ctest-junit.xml"
done

echo "== testing native"
t0=$(date +%s)
ctest --test-dir "$ROOT/build/native" --output-on-failure -j "$(nproc)" \
  --output-junit "$ROOT/build/native/ctest-junit.xml"
timings=("native $(( $(date +%s) - t0 ))s")

# One Windows build's tests, in its own prefix, server and display; its output goes to a log.
run_windows_tests() {
  local b=$1
  (
    export WINEPREFIX=$ROOT/build/$b/wineprefix
    . "$ROOT/scripts/wine-env.sh"
    cleanup() { trv_stop_wine; trv_stop_xvfb; }
    trap cleanup EXIT
    trv_make_prefix || exit 1
    # Windows under test never appear on the user's own display.
    unset DISPLAY
    trv_start_xvfb || exit 1
    trv_start_wineserver
    local t0
    t0=$(date +%s)
    ctest --test-dir "$ROOT/build/$b" --output-on-failure -j 1 \
      --output-junit "$ROOT/build/$b/ctest-junit.xml"
    echo "== $b took $(( $(date +%s) - t0 ))s"
  ) >"$ROOT/build/$b/test-output.log" 2>&1
}

echo "== testing win32 and win64 side by side"
run_windows_tests win32 &
first=$!
run_windows_tests win64 &
second=$!
wait $first
wait $second
for b in win32 win64; do
  echo "== output of $b"
  cat "$ROOT/build/$b/test-output.log"
  timings+=("$(grep -o "$b took [0-9]*s" "$ROOT/build/$b/test-output.log" | tail -1)")
done

echo "== build $((built - started))s; tests: ${timings[*]}; total $(( $(date +%s) - started ))s"
"$ROOT/scripts/summarize-tests.sh" "$ROOT/build/native" "$ROOT/build/win32" "$ROOT/build/win64"
