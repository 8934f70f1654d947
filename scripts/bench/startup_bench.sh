#!/usr/bin/env bash
# Start-up and load of the editor beside the peer's, in one run; without a
# peer build only ours is printed, and it says so. Argument: the benchmark
# program; RUNS in the environment sets the timed runs (5).
set -euo pipefail
. "$(dirname "$0")/bench-env.sh"
line=$'int value = 42; // 中文注释 comment text\r\n'
# The same 50 MB of mixed ASCII and Chinese lines in three encodings, each
# with the code page the like peer decodes it with (UTF-16 it converts to UTF-8).
files=()
for spec in utf-8:65001 gbk:936 utf-16:65001; do
  file=$("$bench_here/bench/text-file.sh" "load-50mb-${spec%%:*}.txt" "$line" "${spec%%:*}")
  files+=("$(windows_path "$file")=${spec##*:}")
done
if [ -n "$peer" ]; then
  "$bench_here/wine-run.sh" "$1" "$program_folder" "${RUNS:-5}" "$peer" "${files[@]}"
else
  "$bench_here/wine-run.sh" "$1" "$program_folder" "${RUNS:-5}"
fi
