#!/usr/bin/env bash
# Builds the peer editor (the same editing component's own Windows editor,
# from the Debian scite source that `make deps` fetched) with MinGW into the
# benchmarks' cache, once, and prints the Windows path of its program; prints
# nothing when it cannot be built. Only the benchmarks use it.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/wine-env.sh"
src=$TARNWICK_CACHE/src/scite-5.3.3
out=$TARNWICK_CACHE/bench/scite-build
exe=$out/scite/bin/Sc1.exe
if [ ! -f "$exe" ] && [ -d "$src" ]; then
  rm -rf "$out" && mkdir -p "$out" && cp -r "$src"/{scintilla,lexilla,scite} "$out"/
  # Its about box wants a build date the Debian build passes in.
  printf '#!/bin/sh\nexec x86_64-w64-mingw32-g++-posix %s "$@"\n' "'-DBUILD_DATE=\"bench\"'" >"$out/cxx.sh"
  chmod +x "$out/cxx.sh"
  tools=(CXX="$out/cxx.sh" CC=x86_64-w64-mingw32-gcc-posix AR=x86_64-w64-mingw32-ar
         RANLIB=x86_64-w64-mingw32-ranlib WINDRES=x86_64-w64-mingw32-windres)
  {
    make -C "$out/scintilla/win32" -j3 "${tools[@]}" &&
    make -C "$out/lexilla/src" -j3 "${tools[@]}" &&
    # Built on Linux, lexilla's makefile names its DLL as a shared object.
    cp "$out/lexilla/bin/liblexilla.so" "$out/lexilla/bin/lexilla.dll" &&
    make -C "$out/scite/win32" -j3 "${tools[@]}"
  } >"$out/build.log" 2>&1
fi
[ -f "$exe" ] && echo "Z:${exe//\//\\}"
