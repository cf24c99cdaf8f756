#!/usr/bin/env bash
# Configures and builds the three builds: native, win32 (the product) and win64.
# Usage: scripts/build.sh [native|win32|win64]...   (all three when none is named)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
builds=("$@")
[ ${#builds[@]} -gt 0 ] || builds=(native win32 win64)
jobs=$(nproc)

for b in "${builds[@]}"; do
  dir=$ROOT/build/$b
  case $b in
    native) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
    win32) args=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
    win64) args=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
    *) echo "unknown build: $b" >&2; exit 2 ;;
  esac
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "${args[@]}" >/dev/null
  fi
  echo "== building $b"
  cmake --build "$dir" -j "$jobs"
done
