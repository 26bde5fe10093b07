#!/usr/bin/env python3
"""Makes the zip packages the extraction tests read, with Info-ZIP zip and with Python's zipfile.

    make_packages.py DIR PLAYER_EXE

A file entry named N holds the GBK bytes of N and a line feed, repeated as the tables say; the tests
expect exactly that. Entry names are GBK bytes, as the updater reads them.
"""
import calendar
import os
import subprocess
import sys
import tempfile
import zipfile

INFOZIP_FILES = {"淺東.txt": 1, "数据/子目录/深.txt": 1, "数据/图.bin": 3000, "readme.txt": 3000}
INFOZIP_EMPTY_FOLDER = "空目录"
INFOZIP_TIME = (2021, 3, 4, 5, 6, 8)  # UTC, which zip stores as it is when TZ=UTC

PYTHON_FILES = {"a/b/c.txt": (1000, zipfile.ZIP_DEFLATED), "stored.bin": (1000, zipfile.ZIP_STORED),
                "top.txt": (1, zipfile.ZIP_DEFLATED)}
PYTHON_FOLDERS = ["empty/", "a/", "a/b/"]
PYTHON_TIME = (2019, 5, 17, 13, 45, 30)

REFUSED_NAMES = {"up": "../x", "up-inside": "a/../../x", "drive": "C:\\x", "drive-relative": "C:x",
                 "rooted": "\\x", "slash-rooted": "/x", "device": "CON"}


def contents(name, times):
    return (name.encode("gbk") + b"\n") * times


def infozip_package(path, files, folders=()):
    """Info-ZIP zip of a tree whose names are GBK bytes; ".bin" files stored, the others deflated."""
    stamp = calendar.timegm(INFOZIP_TIME + (0, 0, 0))
    with tempfile.TemporaryDirectory() as tree:
        for name, data in files.items():
            file = os.path.join(tree.encode(), name.encode("gbk"))
            os.makedirs(os.path.dirname(file), exist_ok=True)
            with open(file, "wb") as f:
                f.write(data)
            os.utime(file, (stamp, stamp))
        for folder in folders:
            os.makedirs(os.path.join(tree.encode(), folder.encode("gbk")))
        env = dict(os.environ, LC_ALL="C", TZ="UTC")
        subprocess.run(["zip", "-q", "-r", "-X", "-n", ".bin", os.path.abspath(path), "."], cwd=tree, env=env,
                       check=True)
    assert not any(info.flag_bits & 0x800 for info in zipfile.ZipFile(path).infolist()), "names must stay GBK"


def python_package(path, files=None, folders=()):
    with zipfile.ZipFile(path, "w") as package:
        for folder in folders:
            package.writestr(zipfile.ZipInfo(folder, PYTHON_TIME), b"")
        for name, (times, method) in (files or {}).items():
            package.writestr(zipfile.ZipInfo(name, PYTHON_TIME), contents(name, times), compress_type=method)


def single_files(names):
    return {name: (1, zipfile.ZIP_DEFLATED) for name in names}


def main():
    out, player = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    infozip = os.path.join(out, "infozip.zip")
    infozip_package(infozip, {name: contents(name, times) for name, times in INFOZIP_FILES.items()},
                    [INFOZIP_EMPTY_FOLDER])
    methods = {info.compress_type for info in zipfile.ZipFile(infozip).infolist() if not info.is_dir()}
    assert methods == {zipfile.ZIP_STORED, zipfile.ZIP_DEFLATED}, methods

    python_package(os.path.join(out, "python.zip"), PYTHON_FILES, PYTHON_FOLDERS)
    for key, name in REFUSED_NAMES.items():
        python_package(os.path.join(out, f"refused-{key}.zip"), single_files(["first.txt", name, "last.txt"]))
    python_package(os.path.join(out, "in-use.zip"), single_files(["first.txt", "busy.txt", "last.txt"]))

    with open(os.path.join(out, "python.zip"), "rb") as f:
        whole = f.read()
    with open(os.path.join(out, "truncated.zip"), "wb") as f:
        f.write(whole[: len(whole) // 2])
    with open(os.path.join(out, "not-a-zip.zip"), "wb") as f:
        f.write(b"this is no zip package\n")

    # The update itself: the player's stand-in at the root and a data folder.
    with open(player, "rb") as f:
        infozip_package(os.path.join(out, "update.zip"),
                        {"霁川播放器.exe": f.read(), "数据/说明.txt": contents("数据/说明.txt", 1)})


if __name__ == "__main__":
    main()
