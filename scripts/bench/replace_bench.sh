#!/usr/bin/env bash
# Replace All in a 50 MB file, ours beside the peer's, in one run; without a
# peer build only ours is printed, and it says so. Argument: the benchmark
# program; RUNS in the environment sets the timed runs (5).
set -euo pipefail
. "$(dirname "$0")/bench-env.sh"
# The in-process Replace All bench's text at the same size.
big=$("$bench_here/bench/text-file.sh" replace-50mb.txt $'int value = 42; // the value of the comment text\r\n')
"$bench_here/wine-run.sh" "$1" "$program_folder" "$(windows_path "$big")" "${RUNS:-5}" $peer
