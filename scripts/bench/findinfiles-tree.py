#!/usr/bin/env python3
"""Makes the find-in-files benchmark tree once: 10,000 text files in 100
folders, 500 MB in all, with the rare word in a few of them. Prints the
tree's folder; an existing complete tree is reused."""
import os
import random
import sys

FILES = 10_000
TOTAL = 500 * 1024 * 1024
RARE = sys.argv[2] if len(sys.argv) > 2 else "quixotrelic"
root = sys.argv[1]
done = os.path.join(root, ".complete")

if not os.path.exists(done):
    rng = random.Random(1)
    words = ["int", "return", "value", "static", "const", "char", "buffer", "count", "index", "while",
             "struct", "void", "size_t", "string", "vector", "window", "message", "handle", "result", "for"]
    lines = []
    while sum(len(l) for l in lines) < 2 * 1024 * 1024:
        lines.append(" ".join(rng.choice(words) for _ in range(rng.randint(3, 14))) + "\n")
    text = "".join(lines).encode()
    average = TOTAL // FILES
    rare_files = set(rng.sample(range(FILES), 12))
    for i in range(FILES):
        folder = os.path.join(root, "d%02d" % (i // 100))
        os.makedirs(folder, exist_ok=True)
        size = rng.randint(average // 2, average * 3 // 2)
        start = rng.randint(0, len(text) - size)
        body = bytearray(text[start:start + size])
        if i in rare_files:
            at = body.find(b"\n", len(body) // 2) + 1
            body[at:at] = b"the " + RARE.encode() + b" is here\n"
        with open(os.path.join(folder, "f%05d.c" % i), "wb") as f:
            f.write(body)
    open(done, "w").close()
print(root)
