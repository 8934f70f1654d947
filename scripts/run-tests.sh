#!/usr/bin/env bash
# Runs the build's tests as `make test` does: a test that fails is run again
# (up to three runs), because Wine's X11 driver now and then ends a process
# on a stray X error under parallel load. A retry must not hide a flaky test,
# so the summary names each test that passed only on a retry.
# Usage: run-tests.sh BUILD_DIR JOBS
set -uo pipefail
build=$1
jobs=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

ctest --test-dir "$build" --output-on-failure -j "$jobs" --repeat until-pass:3 2>&1 | tee "$log"
status=${PIPESTATUS[0]}

# CTest prints one line per run of a test: "Test #N: NAME ...... Passed" or
# "***Failed", "***Timeout", "***Exception: ...". A test with a failed run
# and a passed one was retried into passing.
retried=$(awk '
  match($0, /Test +#[0-9]+: [^ ]+ /) {
    split(substr($0, RSTART, RLENGTH), part, ": ")
    name = part[2]; sub(/ +$/, "", name)
    if ($0 ~ / Passed /) passed[name] = 1; else failed[name] = 1
  }
  END { for (n in passed) if (n in failed) print n }' "$log" | sort)

echo
if [ -n "$retried" ]; then
  echo "Passed only on a retry (flaky, see the output above):"
  printf '  %s\n' $retried
else
  echo "No test needed a retry."
fi
exit "$status"
