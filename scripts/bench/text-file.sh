#!/usr/bin/env bash
# Prints the path of a benchmark text file in the bench cache: one line
# repeated until the file holds 50 MB (the last copy whole), made once.
# Arguments: the file's name, its line (UTF-8, with its line end) and
# optionally the encoding to write it in (a Python codec name; "utf-16"
# writes little-endian with a byte-order mark), UTF-8 by default.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/wine-env.sh"
file=$TARNWICK_CACHE/bench/$1
if [ ! -f "$file" ]; then
  mkdir -p "$(dirname "$file")"
  # Written aside first: a run stopped midway must not leave a short file.
  python3 -c '
import sys
encoding = sys.argv[2]
mark = b"\xff\xfe" if encoding == "utf-16" else b""
line = sys.argv[1].encode("utf-16-le" if encoding == "utf-16" else encoding)
sys.stdout.buffer.write(mark + line * -(-50000000 // len(line)))' "$2" "${3:-utf-8}" >"$file.part"
  mv "$file.part" "$file"
fi
echo "$file"
