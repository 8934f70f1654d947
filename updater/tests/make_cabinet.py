#!/usr/bin/env python3
"""Makes a test package: a cabinet written by gcab, then patched.

  make_cabinet.py OUT.cab [--run NAME]... [--rename FROM=TO]... ENTRY=SOURCE...

ENTRY is the name in the cabinet ('/' or '\\' between folders); SOURCE is a
file to copy, or "text:" followed by the file's content. --run sets the
run-after-extraction attribute (0x40) on that entry, which gcab cannot;
--rename rewrites an entry's name in place (same length), so a test can
carry names gcab would not take, such as "..\\x".
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

RUN_AFTER_EXTRACTION = 0x40


def patch(path, run, rename):
    data = bytearray(open(path, "rb").read())
    files_at = struct.unpack_from("<I", data, 16)[0]
    count = struct.unpack_from("<H", data, 28)[0]
    at = files_at
    for _ in range(count):
        end = data.index(0, at + 16)
        name = data[at + 16:end].decode("ascii")
        if name in run:
            attribs = struct.unpack_from("<H", data, at + 14)[0]
            struct.pack_into("<H", data, at + 14, attribs | RUN_AFTER_EXTRACTION)
        if name in rename:
            new = rename[name].encode("ascii")
            assert len(new) == len(name), "a rename keeps the length"
            data[at + 16:end] = new
        at = end + 1
    open(path, "wb").write(bytes(data))


def main(argv):
    out = os.path.abspath(argv[0])
    run, rename, entries = set(), {}, []
    args = iter(argv[1:])
    for arg in args:
        if arg == "--run":
            run.add(next(args).replace("/", "\\"))
        elif arg == "--rename":
            old, new = next(args).split("=", 1)
            rename[old.replace("/", "\\")] = new.replace("/", "\\")
        else:
            entries.append(arg.split("=", 1))
    stage = tempfile.mkdtemp()
    try:
        names = []
        for name, source in entries:
            target = os.path.join(stage, *name.replace("\\", "/").split("/"))
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if source.startswith("text:"):
                with open(target, "w") as f:
                    f.write(source[5:])
            else:
                shutil.copyfile(source, target)
            names.append(name.replace("\\", "/"))
        if os.path.exists(out):
            os.remove(out)
        subprocess.run(["gcab", "-c", "-z", out] + names, cwd=stage, check=True)
    finally:
        shutil.rmtree(stage)
    patch(out, run, rename)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
