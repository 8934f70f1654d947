#!/usr/bin/env bash
# Starts the editor from its program folder. With DISPLAY set it runs there
# until closed; otherwise it runs on a private Xvfb, and a screenshot taken a
# few seconds after start is saved to build/screenshot.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
dist=$(cd "${1:-$root/dist/Tarnwick}" && pwd)

if [ -n "${DISPLAY:-}" ]; then
  TARNWICK_USE_DISPLAY=1 exec "$here/with-wine.sh" "$here/wine-run.sh" "$dist/Tarnwick.exe"
fi

shot="$root/build/screenshot.png"
mkdir -p "$root/build"
"$here/with-wine.sh" bash -c '
  cd "$1"
  "$2/wine-run.sh" "$1/Tarnwick.exe" &
  pid=$!
  sleep "${TARNWICK_SHOT_DELAY:-5}"
  import -window root "$3"
  echo "screenshot: $3"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' _ "$dist" "$here" "$shot"
