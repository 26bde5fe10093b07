#!/usr/bin/env python3
"""The publishing command refuses bad inputs with a clear message and writes nothing.

    refusals_test.py REPOSITORY SCRATCH
"""
import os
import shutil
import subprocess
import sys

repo, scratch = sys.argv[1:3]
good = {"version": "2.1", "host": "https://update.example.com"}
extra = os.path.join(repo, "tests", "publish", "extra")


def folder_with(name):
    """The good extra folder plus one file of that name."""
    folder = os.path.join(scratch, "extra-" + str(abs(hash(name))))
    shutil.rmtree(folder, ignore_errors=True)
    shutil.copytree(extra, folder)
    path = os.path.join(folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    open(path, "wb").close()
    return folder


CASES = [
    ("an empty version", {"version": ""}, "the version is empty"),
    ("a trailing line break", {"version": "2.1\n"}, "whitespace or a control character"),
    ("a trailing carriage return", {"version": "2.1\r"}, "whitespace or a control character"),
    ("a space", {"version": "2 1"}, "whitespace or a control character"),
    ("a tab", {"version": "\t2.1"}, "whitespace or a control character"),
    ("an ideographic space", {"version": "2.1\u3000"}, "whitespace or a control character"),
    ("a control character", {"version": "2.1\x01"}, "whitespace or a control character"),
    ("a character GBK lacks", {"version": "2.1\u20ac\u0e01"}, "GBK cannot hold"),
    ("a host with a trailing slash", {"host": "https://update.example.com/"}, "not https://NAME"),
    ("a host without TLS", {"host": "http://update.example.com"}, "not https://NAME"),
    ("a host with a path", {"host": "https://update.example.com/svn"}, "not https://NAME"),
    ("the updater in the extras", {"extra": folder_with("升级程序.exe")}, "the updater's own file"),
    ("a second player in the extras", {"extra": folder_with("霁川播放器.EXE")}, "the player the command packs"),
    ("a device name in the extras", {"extra": folder_with("data/CON")}, "refuses to extract"),
    ("a name with a colon", {"extra": folder_with("data/a:b.txt")}, "refuses to extract"),
    ("a missing extra folder", {"extra": os.path.join(scratch, "missing")}, "does not exist"),
    ("a missing home page", {"home-page": os.path.join(scratch, "missing.htm")}, "does not exist"),
]

passed = failed = 0
for what, given, expected in CASES:
    out = os.path.join(scratch, "out")
    shutil.rmtree(out, ignore_errors=True)
    options = dict(good, **given)
    command = [os.path.join(repo, "scripts", "publish"), "--out", out]
    for name, value in options.items():
        command += ["--" + name, value]
    result = subprocess.run(command, capture_output=True, text=True, timeout=600)
    problems = []
    if result.returncode == 0:
        problems.append("it succeeded")
    if expected not in result.stderr:
        problems.append(f"its message was {result.stderr.strip()!r}")
    if os.path.exists(out):
        problems.append("it wrote the output folder")
    if problems:
        failed += 1
        print(f"FAIL {what}: " + "; ".join(problems))
    else:
        passed += 1
        print(f"ok   {what}")
print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
