#!/usr/bin/env bash
# Server requests of one start of the editor (and of the peer, when it can be
# built) to its main window shown: the start-up bench run once under a
# wineserver that logs every request (-d1); the first start of each is
# counted (ours from a fresh copy of its program folder as shipped, the peer
# drawing like ours). Run it inside scripts/with-wine.sh on a prefix of your
# own, alone: it restarts that prefix's wineserver, which ends every other
# program running on it.
# Argument: the start-up bench program. The log is kept in $TMPDIR.
set -euo pipefail
. "$(dirname "$0")/bench-env.sh"
log=${TMPDIR:-/tmp}/tarnwick-server-requests-$(basename "$WINEPREFIX").log
wineserver -k || true
sleep 1
# The logging server runs in the foreground of its own subshell; its log is stderr.
(env LC_ALL=$TW_LC wineserver -d1 -f 2>"$log" </dev/null >/dev/null &)
sleep 1
env LC_ALL=$TW_LC wine "$1" "$program_folder" 1 $peer
sleep 1
wineserver -k || true
python3 "$bench_here/bench/server-requests.py" "$log" Tarnwick.exe Sc1.exe
