#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's prefix, choosing the 32-bit
# or 64-bit loader from the program's PE header, under a time limit.
set -u
. "$(dirname "$0")/wine-env.sh"
exe=$1; shift
# PE header offset at 0x3C, machine field 4 bytes after the signature.
pe=$(od -An -t u4 -j 60 -N 4 "$exe" | tr -d ' ')
machine=$(od -An -t x2 -j $((pe + 4)) -N 2 "$exe" | tr -d ' ')
if [ "$machine" = "8664" ]; then loader=$WINE64; else loader=wine; fi
# Wine's own background processes inherit our output; a file, unlike a pipe, does not keep
# the caller waiting for them.
out=$(mktemp)
timeout -k 10 "${TRV_WINE_TIMEOUT:-900}" "$loader" "$exe" "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
