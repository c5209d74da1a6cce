"""Builds the two benchmark trees (fixed seed, so every run times the same data).

make_trees.py big DIR    10,000 files, log-normal sizes around 4 KiB (at most 4 MiB), 500 folders
make_trees.py small DIR  50,000 files under 100 bytes in 2,550 folders
"""
import os
import random
import sys


def write(path, size, rng):
    with open(path, "wb") as f:
        f.write(rng.randbytes(size) if size < 65536 else os.urandom(size))


def big(root, rng):
    for folder in range(500):
        path = os.path.join(root, "f%02d" % (folder // 25), "g%03d" % folder)
        os.makedirs(path, exist_ok=True)
        for n in range(20):
            size = int(min(rng.lognormvariate(8.3, 1.2), 4 * 1024 * 1024))
            write(os.path.join(path, "file%02d.dat" % n), size, rng)


def small(root, rng):
    for top in range(50):
        for sub in range(50):
            path = os.path.join(root, "d%02d" % top, "s%02d" % sub)
            os.makedirs(path, exist_ok=True)
            for n in range(20):
                write(os.path.join(path, "n%02d.txt" % n), rng.randrange(1, 100), rng)


if __name__ == "__main__":
    kind, root = sys.argv[1], sys.argv[2]
    os.makedirs(root, exist_ok=True)
    {"big": big, "small": small}[kind](root, random.Random(13))
