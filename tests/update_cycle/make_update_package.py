#!/usr/bin/env python3
"""Makes an update package as the site serves it: the player at the root, a data folder beside it.

    make_update_package.py PACKAGE PLAYER_EXE

Entry names are GBK bytes, as the updater reads them (Python would store UTF-8 otherwise). Every file
is also written to PACKAGE.expected/, the tree an installation must hold afterwards.
"""
import os
import shutil
import sys
import zipfile


class GbkName(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits


def add(package, expected, name, data, method=zipfile.ZIP_DEFLATED):
    info = GbkName(name, date_time=(2026, 12, 1, 8, 30, 0))
    info.compress_type = method
    package.writestr(info, data)
    target = os.path.join(expected, name)
    if name.endswith("/"):
        os.makedirs(target, exist_ok=True)
        return
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, "wb") as f:
        f.write(data)


def main():
    package_path, player = sys.argv[1:3]
    with open(player, "rb") as f:
        player_bytes = f.read()
    expected = package_path + ".expected"
    shutil.rmtree(expected, ignore_errors=True)
    with zipfile.ZipFile(package_path + ".new", "w") as package:
        add(package, expected, "霁川播放器.exe", player_bytes, zipfile.ZIP_STORED)
        add(package, expected, "data/", b"", zipfile.ZIP_STORED)
        add(package, expected, "data/lessons.txt", "第一课\r\n第二课\r\n".encode("gbk") * 500)
        add(package, expected, "data/课程/目录.txt", "三维设计".encode("gbk"))
    os.replace(package_path + ".new", package_path)


if __name__ == "__main__":
    main()
