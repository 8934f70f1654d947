#!/usr/bin/env python3
"""Makes a test package: a cabinet written by gcab, then patched.

  make_cabinet.py OUT.cab [--run NAME]... [--rename FROM=TO]...
                 [--damage-last-block] [--truncate BYTES] ENTRY=SOURCE...

ENTRY is the name in the cabinet ('/' or '\\' between folders); SOURCE is a
file to copy, "text:" followed by the file's content, or "lines:" followed
by lines separated by '|' (each written with CR LF). --run sets the
run-after-extraction attribute (0x40) on that entry, which gcab cannot;
--rename rewrites an entry's name in place (same length), so a test can
carry names gcab would not take, such as "..\\x". --damage-last-block
changes one byte of the last data block, leaving its checksum as it was;
--truncate cuts the file to its first BYTES bytes (its header still
declares the whole size).
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


def damage_last_block(path):
    data = bytearray(open(path, "rb").read())
    folders = struct.unpack_from("<H", data, 26)[0]
    assert folders == 1 and not struct.unpack_from("<H", data, 30)[0], "one folder, no reserve"
    at, blocks = struct.unpack_from("<IH", data, 36)
    for _ in range(blocks - 1):
        at += 8 + struct.unpack_from("<H", data, at + 4)[0]
    packed = struct.unpack_from("<H", data, at + 4)[0]
    data[at + 8 + packed // 2] ^= 0x55
    open(path, "wb").write(bytes(data))


def main(argv):
    out = os.path.abspath(argv[0])
    run, rename, entries = set(), {}, []
    damage, truncate = False, None
    args = iter(argv[1:])
    for arg in args:
        if arg == "--damage-last-block":
            damage = True
        elif arg == "--truncate":
            truncate = int(next(args))
        elif arg == "--run":
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
            elif source.startswith("lines:"):
                with open(target, "wb") as f:
                    f.write("".join(line + "\r\n" for line in source[6:].split("|")).encode("ascii"))
            else:
                shutil.copyfile(source, target)
            names.append(name.replace("\\", "/"))
        if os.path.exists(out):
            os.remove(out)
        subprocess.run(["gcab", "-c", "-z", out] + names, cwd=stage, check=True)
    finally:
        shutil.rmtree(stage)
    patch(out, run, rename)
    if damage:
        damage_last_block(out)
    if truncate is not None:
        data = open(out, "rb").read()
        open(out, "wb").write(data[:truncate])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
