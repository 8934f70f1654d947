#!/usr/bin/env bash
# Start-up time of the editor beside the peer's, in one run; without a peer
# build only ours is printed, and it says so. Argument: the benchmark program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
peer=$("$here/bench/peer.sh" || true)
# A 50 MB UTF-8 file of mixed ASCII and Chinese lines.
big=$("$here/bench/text-file.sh" load-50mb.txt $'int value = 42; // 中文注释 comment text\r\n')
if [ -n "$peer" ]; then
  "$here/wine-run.sh" "$1" 5 "$peer" SciTEWindow "Z:${big//\//\\}"
else
  echo "(the peer could not be built: see its build.log under the bench cache)"
  "$here/wine-run.sh" "$1" 5
fi
