#!/usr/bin/env bash
# Prints the path of a benchmark text file in the bench cache: one line
# repeated until the file holds 50 MB (the last copy whole), made once.
# Arguments: the file's name and its line (UTF-8, with its line end).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/wine-env.sh"
file=$TARNWICK_CACHE/bench/$1
if [ ! -f "$file" ]; then
  mkdir -p "$(dirname "$file")"
  # Written aside first: a run stopped midway must not leave a short file.
  python3 -c "import sys; l=sys.argv[1].encode(); sys.stdout.buffer.write(l * -(-50000000 // len(l)))" "$2" >"$file.part"
  mv "$file.part" "$file"
fi
echo "$file"
