#!/usr/bin/env python3
"""Counts, in a wineserver debug log (wineserver -d1), the requests that a
program's first thread makes from its start until its main window is first
shown, and until the end of the log.

Under Wine a start is bound by these round trips (20-70 us each here), so the
count follows the start-up cost without the wall clock's noise. The main
window is the one the start-up bench closes (WM_CLOSE posted to it); it is
shown at its first set_window_pos with SWP_SHOWWINDOW.
Usage: server-requests.py LOG IMAGE_NAME...
"""
import re
import sys

REQUEST = re.compile(r'^([0-9a-f]{4}): (\w+)\( ')
SWP_SHOWWINDOW = 0x40


def first_thread(lines, image):
    """The first thread of the first process started from image, or None."""
    parents, pid = set(), None
    for line in lines:
        m = re.match(r'^([0-9a-f]{4}): new_process\(.*imagepath=L"([^"]*)"', line)
        if m and pid is None and m.group(2).lower().endswith('\\' + image.lower()):
            parents.add(m.group(1))
            continue
        m = re.match(r'^([0-9a-f]{4}): new_process\(\) = 0 \{ info=\w+, pid=(\w+)', line)
        if m and pid is None and m.group(1) in parents:
            pid = m.group(2)
            continue
        m = re.match(r'^([0-9a-f]{4}): init_first_thread\(\) = 0 \{ pid=(\w+)', line)
        if m and pid and m.group(2) == pid:
            return m.group(1)
    return None


def count(lines, thread):
    frame = None
    for line in lines:
        # Sent by the bench: a WM_CLOSE the program posts itself (a tab box
        # closing as it collapses) names another window.
        m = re.match(r'^(\w{4}): send_message\( id=%s, type=\d+, flags=\d+, win=(\w+), msg=00000010,' % thread, line)
        if m and m.group(1) != thread:
            frame = m.group(2)
            break
    shown, total = None, 0
    show = re.compile(r'^\w{4}: set_window_pos\( swp_flags=(\w+), paint_flags=\w+, handle=%s,' % frame)
    for line in lines:
        m = REQUEST.match(line)
        if not m or m.group(1) != thread:
            continue
        total += 1
        s = show.match(line) if frame and shown is None else None
        if s and int(s.group(1), 16) & SWP_SHOWWINDOW:
            shown = total
    return shown, total


def main():
    lines = open(sys.argv[1], errors='replace').read().splitlines()
    shown_counts = []
    for image in sys.argv[2:]:
        thread = first_thread(lines, image)
        if not thread:
            print(f'{image}: not started in this log')
            shown_counts.append(None)
            continue
        shown, total = count(lines, thread)
        shown_counts.append(shown)
        print(f'{image}: {shown if shown else "?"} server requests to the main window shown, {total} in all')
    # The same as a row of scripts/bench.sh's table: ours beside the first peer.
    if len(shown_counts) > 1 and all(shown_counts[:2]):
        ours, peer = shown_counts[:2]
        print(f'row\tserver requests of one start to the main window\trequests\t{ours}\t{peer}\t-\t'
              f'{ours / peer:.2f}\t1.0')


if __name__ == '__main__':
    main()
