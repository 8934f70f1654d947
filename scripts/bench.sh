#!/usr/bin/env bash
# Runs every benchmark program of the build (inside a Wine session).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
for bench in "$build"/bin/*_bench.exe; do
  name=$(basename "$bench" .exe)
  echo "== $name"
  # A benchmark that needs set-up or a Linux-side comparison has a script.
  if [ -x "$here/bench/$name.sh" ]; then
    "$here/bench/$name.sh" "$bench"
  else
    "$here/wine-run.sh" "$bench"
  fi
done
