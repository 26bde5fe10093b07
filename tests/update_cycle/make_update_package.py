#!/usr/bin/env python3
"""Makes the update package the cycle tests serve: a "2.1" player at the root, a data folder beside it.

    make_update_package.py PACKAGE PLAYER_EXE

The tree packed stays as PACKAGE.expected/: what an installation must hold afterwards.
"""
import os
import random
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    package, player = sys.argv[1:3]
    expected = package + ".expected"
    shutil.rmtree(expected, ignore_errors=True)
    os.makedirs(os.path.join(expected, "data", "课程"))
    shutil.copyfile(player, os.path.join(expected, "霁川播放器.exe"))
    with open(os.path.join(expected, "data", "lessons.txt"), "wb") as f:
        f.write("第一课\r\n第二课\r\n".encode("gbk") * 500)
    with open(os.path.join(expected, "data", "课程", "目录.txt"), "wb") as f:
        f.write("三维设计".encode("gbk"))
    # Incompressible, so the package is large enough to be caught mid-download and resumed.
    with open(os.path.join(expected, "data", "lesson1.video"), "wb") as f:
        f.write(random.Random(7).randbytes(3 * 1024 * 1024))
    subprocess.run([sys.executable, os.path.join(HERE, "..", "..", "publish", "make_package.py"), package, expected],
                   check=True)


if __name__ == "__main__":
    main()
