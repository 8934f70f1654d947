#!/usr/bin/env python3
"""Prints the rows scripts/bench.sh gathered as one table, each work's rows
with the holder on and off side by side. Input lines, tab-separated: holder
pass, holder in force, load average, then the bench's row (work, unit,
ours, like peer, peer defaults, ratio, goal). A ratio meets its goal when
it is at most the goal."""
import sys

rows = [line.rstrip('\n').split('\t') for line in sys.stdin if line.strip()]
order = []
for row in rows:
    if row[3] not in order:
        order.append(row[3])
print('| work | holder (in force) | load | ours | like peer | peer defaults | ratio | goal | met |')
print('|---|---|---|---|---|---|---|---|---|')
for work in order:
    for passed, in_force, load, _, unit, ours, like, defaults, ratio, goal in (r for r in rows if r[3] == work):
        met = '-'
        if goal != '-' and ratio != '-':
            met = 'yes' if float(ratio) <= float(goal) else '**no**'
        figure = lambda v: v if v == '-' else f'{v} {unit}'
        print(f'| {work} | {passed} ({in_force}) | {load} | {figure(ours)} | {figure(like)} | '
              f'{figure(defaults)} | {ratio} | {goal} | {met} |')
