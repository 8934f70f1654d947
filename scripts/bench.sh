#!/usr/bin/env bash
# Runs every benchmark program of the build (inside a Wine session), twice:
# with the CPU latency holder on and with it off (each CPU then sleeps when
# idle, as on a user's machine, and every server round trip waits for one
# to wake), then prints one table of the rows of both passes. A bench prints
# its rows as "row", work, unit, ours, like peer, peer defaults, ratio and
# goal, separated by tabs (tests/bench/BenchTable.h); other lines it prints
# are shown as they come. The holder is machine-wide: another session's
# holder keeps the CPUs awake in the "off" pass too, so each row also
# records whether any holder was in force and the load average.
# Run it in a session started with TARNWICK_IDLE_LATENCY=1 (make bench
# does), so that the session itself holds nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build}
rows=$(mktemp)
holder=
trap 'rm -f "$rows"; [ -z "$holder" ] || kill "$holder" 2>/dev/null || true' EXIT

# "held" when some holder asks for no wake-up latency now.
latency_state() {
  local value
  value=$(od -An -tu4 -N4 /dev/cpu_dma_latency 2>/dev/null | tr -d ' ') || true
  case "$value" in
    '') echo unknown ;;
    0) echo held ;;
    *) echo "free" ;;
  esac
}

for pass in on off; do
  if [ "$pass" = on ]; then
    "$here/hold-latency.sh" $$ </dev/null >/dev/null 2>&1 &
    holder=$!
    sleep 0.2
  elif [ -n "$holder" ]; then
    kill "$holder" 2>/dev/null || true
    wait "$holder" 2>/dev/null || true
    holder=
  fi
  echo "==== CPU latency holder $pass (in force: $(latency_state); load $(cut -d' ' -f1-3 /proc/loadavg))"
  for bench in "$build"/bin/*_bench.exe; do
    name=$(basename "$bench" .exe)
    echo "== $name"
    # A benchmark that needs set-up or a Linux-side comparison has a script.
    if [ -x "$here/bench/$name.sh" ]; then run=("$here/bench/$name.sh" "$bench"); else run=("$here/wine-run.sh" "$bench"); fi
    "${run[@]}" | while IFS= read -r line; do
      line=${line%$'\r'}
      case "$line" in
        row$'\t'*) printf '%s\t%s\t%s\t%s\n' "$pass" "$(latency_state)" "$(cut -d' ' -f1 /proc/loadavg)" "${line#row$'\t'}" >>"$rows"
                   printf '%s\n' "${line#row$'\t'}" | tr '\t' ' ' ;;
        *) printf '%s\n' "$line" ;;
      esac
    done || echo "($name failed)"
  done
done
echo
python3 "$here/bench/table.py" <"$rows"
