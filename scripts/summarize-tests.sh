#!/usr/bin/env bash
# Prints "N passed, N failed" over the given build folders: the test cases of every
# GoogleTest program (from its XML report) and every other ctest test as one case.
# A program that failed without a failing case of its own (a crash, a time-out) counts once.
set -u
passed=0
failed=0
attr() { sed -nE "s/.*[[:space:]]$1=\"([0-9]+)\".*/\1/p" <<<"$2" | head -n 1; }

for dir in "$@"; do
  junit=$dir/ctest-junit.xml
  if [ ! -f "$junit" ]; then
    echo "no test results in $dir" >&2
    failed=$((failed + 1))
    continue
  fi
  while read -r name status; do
    xml=$dir/test-results/$name.xml
    root=$( [ -f "$xml" ] && grep -m 1 '<testsuites ' "$xml" )
    if [ -n "$root" ]; then
      tests=$(attr tests "$root"); failures=$(attr failures "$root"); errors=$(attr errors "$root")
      disabled=$(attr disabled "$root"); skipped=$(grep -c '<skipped' "$xml")
      bad=$((failures + errors))
      passed=$((passed + tests - bad - disabled - skipped))
      failed=$((failed + bad))
      if [ "$status" != run ] && [ $bad = 0 ]; then failed=$((failed + 1)); fi
    elif [ "$status" = run ]; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
    fi
  done < <(grep -o '<testcase name="[^"]*"[^>]*status="[^"]*"' "$junit" |
           sed -E 's/.*name="([^"]*)".*status="([^"]*)".*/\1 \2/')
done
echo "$passed passed, $failed failed"
[ $failed = 0 ]
