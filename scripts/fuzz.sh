#!/usr/bin/env bash
# Builds a libFuzzer target with clang (build/fuzz) and runs it from its corpus.
# Usage: scripts/fuzz.sh [target] [seconds]   (ini_mgr and 600 seconds when not given;
#        a lone number is the time for ini_mgr)
# Targets: ini_mgr skin_settings language_texts region_block profile_values
# New inputs go to build/fuzz/corpus-work/<target>, anything that fails to
# build/fuzz/findings/<target>/, the run's output to build/fuzz/logs/<target>.log.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
targets=(ini_mgr skin_settings language_texts region_block profile_values)
target=ini_mgr
if [ $# -gt 0 ] && ! [[ $1 =~ ^[0-9]+$ ]]; then
  target=$1
  shift
fi
seconds=${1:-600}
if ! printf '%s\n' "${targets[@]}" | grep -qx "$target"; then
  echo "unknown fuzz target: $target (one of: ${targets[*]})" >&2
  exit 2
fi
dir=$ROOT/build/fuzz

if [ ! -f "$dir/CMakeCache.txt" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRV_FUZZ=ON >/dev/null
fi
cmake --build "$dir" --target "${target}_fuzz"
work=$dir/corpus-work/$target
findings=$dir/findings/$target
mkdir -p "$work" "$findings" "$dir/logs"
"$dir/bin/${target}_fuzz" "$work" "$ROOT/tests/fuzz/corpus/$target" \
  -max_total_time="$seconds" -artifact_prefix="$findings/" -print_final_stats=1 \
  2>&1 | tee "$dir/logs/$target.log"
