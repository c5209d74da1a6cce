"""Builds the two benchmark trees (fixed seed, so every run times the same data).

make_trees.py big DIR    10,000 files, log-normal sizes around 4 KiB (at most 4 MiB), 500 folders
make_trees.py small DIR  50,000 files under 100 bytes in 2,550 folders
make_trees.py names DIR  5,000 files under 100 bytes in 250 folders, every name
                         outside the ANSI code page, plus one branch of folders
                         600 characters deep holding files
make_trees.py plain DIR  the same tree with ASCII names of the same lengths
make_trees.py million DIR  1,000,000 files under 100 bytes in 51,050 folders,
                           20 files in each folder at the bottom, as in small
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


def million(root, rng):
    for top in range(50):
        for middle in range(20):
            for sub in range(50):
                path = os.path.join(root, "d%02d" % top, "m%02d" % middle, "s%02d" % sub)
                os.makedirs(path, exist_ok=True)
                for n in range(20):
                    write(os.path.join(path, "n%02d.txt" % n), rng.randrange(1, 100), rng)


# Letters of the scripts a name may be written in; the emoji lie beyond
# U+FFFF (two UTF-16 units each), and 表 and ソ end in 0x5C in Shift-JIS.
SCRIPTS = [
    "表ソ能予申日本語漢字木森林東京都市",
    "ひらがなカタカナテストファイル",
    "한국어파일이름서울글자",
    "αβγδεζηθλμνξπρστφχψω",
    "абвгдежзиклмнопрстуфхцчшщюя",
    "\U0001F600\U0001F34E\U0001F680\U0001F4C1\U0001F30A\U0001F431",
    "éèêàâäçñøåßüöïõ",
]
ASCII = "abcdefghijklmnopqrstuvwxyz"


def word(rng, length, plain):
    letters = ASCII if plain else rng.choice(SCRIPTS)
    return "".join(rng.choice(letters) for _ in range(length))


def names(root, rng, plain=False):
    # Names drawn apart from the sizes and contents, so that both trees
    # hold the same files.
    letters = random.Random(29)
    for top in range(10):
        top_name = "%s%02d" % (word(letters, 6, plain), top)
        for sub in range(25):
            path = os.path.join(root, top_name, "%s%02d" % (word(letters, 6, plain), sub))
            os.makedirs(path, exist_ok=True)
            for n in range(20):
                write(os.path.join(path, "%s%02d.txt" % (word(letters, 8, plain), n)), rng.randrange(1, 100), rng)
    # Twelve folders of 50 characters: past 600 below the root, so only the
    # \\?\ form reaches the files at the bottom.
    path = root
    for level in range(12):
        path = os.path.join(path, word(letters, 50, plain))
        os.makedirs(path, exist_ok=True)
        for n in range(2):
            write(os.path.join(path, "%s%d.txt" % (word(letters, 10, plain), n)), rng.randrange(1, 100), rng)


def plain(root, rng):
    names(root, rng, plain=True)


if __name__ == "__main__":
    kind, root = sys.argv[1], sys.argv[2]
    os.makedirs(root, exist_ok=True)
    {"big": big, "small": small, "names": names, "plain": plain, "million": million}[kind](root, random.Random(13))
