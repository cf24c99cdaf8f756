#!/usr/bin/env bash
# Builds the INI reader's libFuzzer target with clang (build/fuzz) and runs it.
# Usage: scripts/fuzz.sh [seconds]   (600 when not given)
# New inputs go to build/fuzz/corpus-work, anything that fails to build/fuzz/findings/.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
dir=$ROOT/build/fuzz

if [ ! -f "$dir/CMakeCache.txt" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRV_FUZZ=ON >/dev/null
fi
cmake --build "$dir" --target ini_mgr_fuzz
mkdir -p "$dir/corpus-work" "$dir/findings"
"$dir/bin/ini_mgr_fuzz" "$dir/corpus-work" "$ROOT/tests/fuzz/corpus" \
  -max_total_time="$seconds" -artifact_prefix="$dir/findings/" -print_final_stats=1
