#!/usr/bin/env python3
"""Makes the shipped template database from its seed script.

The file is an SQLite database (the library's database layer reads SQLite
in place of Jet), written beside the target first and moved into place only
when complete, so a failed run never leaves a half-made file.
"""
import os
import sqlite3
import sys


def main(seed, target):
    partial = target + ".partial"
    if os.path.exists(partial):
        os.remove(partial)
    with open(seed, encoding="utf-8") as f:
        script = f.read()
    db = sqlite3.connect(partial)
    try:
        db.executescript(script)
        db.commit()
    finally:
        db.close()
    os.replace(partial, target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make_template_db.py SEED.sql TARGET.mdb")
    main(sys.argv[1], sys.argv[2])
