#!/usr/bin/env bash
# Replace All in a 50 MB file, ours beside the peer's, in one run; without a
# peer build only ours is printed, and it says so. Argument: the benchmark
# program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
peer=$("$here/bench/peer.sh" || true)
# The in-process Replace All bench's text at the same size.
big=$("$here/bench/text-file.sh" replace-50mb.txt $'int value = 42; // the value of the comment text\r\n')
if [ -n "$peer" ]; then
  "$here/wine-run.sh" "$1" "Z:${big//\//\\}" 5 "$peer" SciTEWindow
else
  echo "(the peer could not be built: see its build.log under the bench cache)"
  "$here/wine-run.sh" "$1" "Z:${big//\//\\}" 5
fi
