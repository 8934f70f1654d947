#!/usr/bin/env bash
# Runs a command with a Wine session around it: an Xvfb display of our own
# (unless TARNWICK_USE_DISPLAY=1 and DISPLAY is set) and a persistent
# wineserver. Stops only what it started.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
"$here/wine-prefix.sh"

# Sessions on one prefix share its server: each one registers here, and the
# last to leave stops the server (stopping it kills every process on it).
sessions="$WINEPREFIX.sessions"
mkdir -p "$sessions"
xvfb_pid=
registered=
cleanup() {
  if [ -n "$registered" ]; then
    (
      flock -w 30 9 || true
      rm -f "$sessions/$$"
      for entry in "$sessions"/*; do
        [ -e "$entry" ] || continue
        kill -0 "$(basename "$entry")" 2>/dev/null || rm -f "$entry"
      done
      if [ -z "$(ls -A "$sessions" | grep -v '^\.lock$')" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    ) 9>"$sessions/.lock"
  fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$latency_pid" ]; then kill "$latency_pid" 2>/dev/null || true; wait "$latency_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# Every call a Wine program makes of its server is a round trip between two
# processes, and on a virtual machine a CPU woken from its idle sleep takes
# about 70 us: a start of the editor makes some 7,000 such round trips
# (measured: 74 us a round trip, 6 us with the CPUs kept awake; a frame test
# ran 32 s, then 6 s). While the session runs, a holder of
# /dev/cpu_dma_latency asks for no wake-up latency; where it cannot be opened
# (not root) nothing changes, and TARNWICK_IDLE_LATENCY=1 leaves the machine
# as it is (to measure as it is).
latency_pid=
if [ "${TARNWICK_IDLE_LATENCY:-0}" != 1 ] && [ -w /dev/cpu_dma_latency ]; then
  (
    exec 3>/dev/cpu_dma_latency && printf '\x00\x00\x00\x00' >&3 || exit 0
    while kill -0 $$ 2>/dev/null; do sleep 1 3>&-; done
  ) </dev/null >/dev/null 2>&1 &
  latency_pid=$!
fi

if [ "${TARNWICK_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$xvfb_pid" 2>/dev/null; then export DISPLAY=":$n"; break; fi
    xvfb_pid=
  done
  [ -n "$xvfb_pid" ] || { echo "could not start Xvfb" >&2; exit 1; }
fi

# A persistent server keeps each Wine start fast; its streams must not hold a
# pipe. When another session's server already runs, this start just fails.
(
  flock -w 30 9 || true
  touch "$sessions/$$"
  env LC_ALL=$TW_LC wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
) 9>"$sessions/.lock"
registered=1
# Start the prefix's own processes (services, the desktop) now, with their
# streams on /dev/null: started by a test, they would hold its output pipe.
env LC_ALL=$TW_LC wine wineboot </dev/null >/dev/null 2>&1 || true
# In the first session of a new prefix, toolbars and rebars fail to create
# for about ten seconds while Wine finishes setting the prefix up.
settled="$WINEPREFIX/.tarnwick-settled"
if [ ! -f "$settled" ]; then
  sleep 15
  touch "$settled"
fi
"$@"
