#!/usr/bin/env bash
# The find-in-files benchmark: a tree of 10,000 files and 500 MB, made once
# under the cache folder. The program prints the engine's median time beside
# the ReadFile floor (what it does is in its output); this script adds
# grep -rn's over the same tree in the same run, and the row for
# scripts/bench.sh: ours against grep -rn, with the goal for the CPUs as
# they are (0.5 while some latency holder keeps them awake, 2 while each
# server round trip waits for one to wake). Argument: the benchmark program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/wine-env.sh"
word=quixotrelic
runs=5
tree=$(python3 "$here/bench/findinfiles-tree.py" "$TARNWICK_CACHE/bench/findinfiles-tree" "$word")
# Wine's drive Z: is the Unix root.
out=$("$here/wine-run.sh" "$1" "Z:${tree//\//\\}" "$word" "$runs")
printf '%s\n' "$out"
engine=$(printf '%s\n' "$out" | sed -n 's/^find in files: median \([0-9.]*\) s.*/\1/p')
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s.%N)
  hits=$(grep -rn "$word" "$tree" | wc -l)
  times+=("$(echo "$(date +%s.%N) - $start" | bc)")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
printf 'grep -rn (Linux, no Wine): median %.3f s of %d runs, %d hits; engine / grep %.1f\n' \
  "$median" "$runs" "$hits" "$(echo "$engine / $median" | bc -l)"
ratio=$(echo "$engine / $median" | bc -l)
goal=2
[ "$(od -An -tu4 -N4 /dev/cpu_dma_latency 2>/dev/null | tr -d ' ')" = 0 ] && goal=0.5
printf 'row\tfind in files, %s\ts\t%.3f\t%.3f\t-\t%.2f\t%.1f\n' "10,000 files / 525 MB" "$engine" "$median" "$ratio" "$goal"
