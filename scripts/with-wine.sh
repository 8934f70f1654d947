#!/usr/bin/env bash
# Runs a command with a Wine session around it: an Xvfb display (unless
# TARNWICK_USE_DISPLAY=1 and DISPLAY is set) and a persistent wineserver,
# both shared by the sessions on one prefix and stopped by the last of them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
"$here/wine-prefix.sh"

# Sessions on one prefix share its server: each one registers here, and the
# last to leave stops the server (stopping it kills every process on it).
# They share its display too: the prefix's desktop process (explorer.exe, the
# taskbar) lives on the display of the session that started the server, and
# a program on another display that hides or shows the taskbar ends on an X
# error (BadWindow in X_UnmapWindow: the window's id means nothing there).
# The shared Xvfb is recorded in .display as "NUMBER PID".
sessions="$WINEPREFIX.sessions"
mkdir -p "$sessions"
display_record="$sessions/.display"
registered=
# Drops the entries of sessions that are gone and names the live ones; called
# holding the lock.
live_sessions() {
  for entry in "$sessions"/*; do
    [ -e "$entry" ] || continue
    if kill -0 "$(basename "$entry")" 2>/dev/null; then basename "$entry"; else rm -f "$entry"; fi
  done
}
cleanup() {
  if [ -n "$registered" ]; then
    (
      flock -w 30 9 || true
      rm -f "$sessions/$$"
      if [ -z "$(live_sessions)" ]; then
        wineserver -k >/dev/null 2>&1 || true
        if [ -f "$display_record" ]; then
          read -r _ shared_pid <"$display_record" || true
          [ -n "${shared_pid:-}" ] && kill "$shared_pid" 2>/dev/null || true
          rm -f "$display_record"
        fi
      fi
    ) 9>"$sessions/.lock"
  fi
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
  "$here/hold-latency.sh" $$ </dev/null >/dev/null 2>&1 &
  latency_pid=$!
fi

start_display() {
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    # setsid: the display outlives this session when others still use it.
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- 3>&- &
    local pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
      echo "$n $pid" >"$display_record"
      echo ":$n"
      return 0
    fi
  done
  return 1
}
exec 9>"$sessions/.lock"
flock -w 30 9 || true
touch "$sessions/$$"
registered=1
# Alone on the prefix, a session starts its server afresh: one left over
# from a session that did not end cleanly may have its desktop on a display
# that is gone.
[ "$(live_sessions)" != $$ ] || wineserver -k >/dev/null 2>&1 || true
if [ "${TARNWICK_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  shared=
  if [ -f "$display_record" ]; then
    read -r number pid <"$display_record" || true
    if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ]; then shared=":$number"; fi
  fi
  if [ -z "$shared" ]; then
    shared=$(start_display) || { echo "could not start Xvfb" >&2; exit 1; }
  fi
  export DISPLAY=$shared
fi
# A persistent server keeps each Wine start fast; its streams must not hold a
# pipe. When another session's server already runs, this start just fails.
env LC_ALL=$TW_LC wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
exec 9>&-
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
