#!/usr/bin/env bash
# Server requests of one start of the editor (and of the peer, when it can be
# built) to its main window shown: the start-up bench run once under a
# wineserver that logs every request (-d1). Run it inside scripts/with-wine.sh
# on a prefix of your own, alone: it restarts that prefix's wineserver, which
# ends every other program running on it.
# Argument: the start-up bench program. The log is kept in $TMPDIR.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
peer=$("$here/bench/peer.sh" || true)
. "$here/wine-env.sh"
log=${TMPDIR:-/tmp}/tarnwick-server-requests.log
wineserver -k || true
sleep 1
# The logging server runs in the foreground of its own subshell; its log is stderr.
(env LC_ALL=$TW_LC wineserver -d1 -f 2>"$log" </dev/null >/dev/null &)
sleep 1
if [ -n "$peer" ]; then
  env LC_ALL=$TW_LC wine "$1" 1 "$peer" SciTEWindow
else
  env LC_ALL=$TW_LC wine "$1" 1
fi
sleep 1
wineserver -k || true
python3 "$here/bench/server-requests.py" "$log" Tarnwick.exe Sc1.exe
