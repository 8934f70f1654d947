#!/usr/bin/env bash
# Start-up time of the editor beside the peer's, in one run; without a peer
# build only ours is printed, and it says so. Argument: the benchmark program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
peer=$("$here/bench/peer.sh" || true)
. "$here/wine-env.sh"
# A 50 MB UTF-8 file of mixed ASCII and Chinese lines, made once.
big=$TARNWICK_CACHE/bench/load-50mb.txt
if [ ! -f "$big" ]; then
  mkdir -p "$(dirname "$big")"
  python3 -c "import sys; l='int value = 42; // 中文注释 comment text\r\n'.encode(); sys.stdout.buffer.write(l * (50000000 // len(l) + 1))" >"$big"
fi
if [ -n "$peer" ]; then
  "$here/wine-run.sh" "$1" 5 "$peer" SciTEWindow "Z:${big//\//\\}"
else
  echo "(the peer could not be built: see its build.log under the bench cache)"
  "$here/wine-run.sh" "$1" 5
fi
