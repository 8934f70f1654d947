#!/bin/sh
# Makes a folder tree with links back into itself, for the tests of folder
# walks. Links are made here on the Unix side: Wine 8's CreateSymbolicLink
# answers success and makes nothing.
#   ROOT/top.txt, ROOT/a/f1.txt, ROOT/a/b/f2.txt (each holds "hit")
#   ROOT/a/b/up -> ..   (a link to an ancestor)
#   ROOT/c -> a         (a link to a folder walked before it)
# Only one link per folder: Wine lists one entry of two in a folder that
# lead to the same folder.
set -eu
root=$1
rm -rf "$root"
mkdir -p "$root/a/b"
for f in top.txt a/f1.txt a/b/f2.txt; do printf 'hit\n' > "$root/$f"; done
ln -s .. "$root/a/b/up"
ln -s a "$root/c"
