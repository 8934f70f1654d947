#!/usr/bin/env bash
# Runs every benchmark program of the build (inside a Wine session).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
for bench in "$build"/bin/*_bench.exe; do
  echo "== $(basename "$bench" .exe)"
  "$here/wine-run.sh" "$bench"
done
