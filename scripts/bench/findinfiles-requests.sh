#!/usr/bin/env bash
# Wine server requests of one find-in-files search over the benchmark's tree
# (made by findinfiles-tree.py): the find-in-files bench searches once,
# untimed, under a wineserver that logs every request (-d1), and the log's
# requests are counted by name, per file searched. Under Wine each open,
# read and close is bound by these round trips to the one server, so the
# count shows what a change saves without the clock's noise. Run it inside
# scripts/with-wine.sh on a prefix of your own, alone: it restarts that
# prefix's wineserver, which ends every other program running on it.
# Arguments: the bench program, then the readers (default 1).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/wine-env.sh"
word=quixotrelic
tree=$(python3 "$here/bench/findinfiles-tree.py" "$TARNWICK_CACHE/bench/findinfiles-tree" "$word")
log=${TMPDIR:-/tmp}/tarnwick-findinfiles-requests-$(basename "$WINEPREFIX").log
wineserver -k || true
sleep 1
# The logging server runs in the foreground of its own subshell; its log is stderr.
(env LC_ALL=$TW_LC wineserver -d1 -f 2>"$log" </dev/null >/dev/null &)
sleep 1
env LC_ALL=$TW_LC wine "$1" "Z:${tree//\//\\}" "$word" 0 "${2:-1}"
sleep 1
wineserver -k || true
files=$(find "$tree" -type f -size +0 ! -name '.*' | wc -l)
python3 - "$log" "$files" <<'PY'
import collections, re, sys
# Only the searching process, the log's first (wine runs the bench in the
# process it starts): its first thread and the threads its threads start in
# it (process handle ffffffff, the current process); the rest of the log is
# Wine's own services.
request = re.compile(r'^([0-9a-f]{4}): (\w+)\( ')
own_thread = re.compile(r'^([0-9a-f]{4}): new_thread\( process=ffffffff,')
started = re.compile(r'^([0-9a-f]{4}): new_thread\(\) = 0 \{ tid=(\w+),')
lines = open(sys.argv[1], errors='replace').read().splitlines()
files = int(sys.argv[2])
threads, starting = set(), set()
for line in lines:
    m = re.match(r'^([0-9a-f]{4}): init_first_thread\( ', line)
    if m and not threads:
        threads.add(m.group(1))
    m = own_thread.match(line)
    if m and m.group(1) in threads:
        starting.add(m.group(1))
    m = started.match(line)
    if m and m.group(1) in starting:
        starting.discard(m.group(1))
        threads.add(m.group(2))
counts = collections.Counter(m.group(2) for m in map(request.match, lines) if m and m.group(1) in threads)
total = sum(counts.values())
print('%d requests from the search\'s process over %d files: %.2f a file' % (total, files, total / files))
for name, n in counts.most_common(12):
    print('  %-24s %7d  %.2f a file' % (name, n, n / files))
PY
