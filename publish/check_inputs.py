#!/usr/bin/env python3
"""Checks what the publishing command was given, before anything is built or written.

    check_inputs.py VERSION HOST [EXTRA_FOLDER [HOME_PAGE]]

Prints the extra folder's files, one relative name a line, for the entry-name check that follows;
exits 1 with a message for the first input it refuses.
"""
import os
import re
import sys
import unicodedata

RESERVED = {"升级程序.exe": "the updater's own file, which is running while the package is extracted",
            "霁川播放器.exe": "the player the command packs itself"}


def refuse(message):
    sys.exit(f"publish: {message}")


def check_version(version):
    if not version:
        refuse("the version is empty")
    for c in version:
        # The player compares the file byte for byte: a line break or a space would never match.
        if c.isspace() or unicodedata.category(c)[0] in "CZ":
            refuse(f"the version {version!r} holds whitespace or a control character ({c!r})")
    try:
        version.encode("gbk")
    except UnicodeEncodeError:
        refuse(f"the version {version!r} has characters GBK cannot hold")


def check_host(host):
    if not re.fullmatch(r"https://[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?(:[0-9]{1,5})?", host):
        refuse(f"the update host {host!r} is not https://NAME or https://NAME:PORT (no path, no trailing slash)")


def extra_names(folder):
    if not os.path.isdir(folder):
        refuse(f"the extra folder {folder!r} does not exist")
    names = []
    for top, folders, files in os.walk(folder):
        for name in files:
            relative = os.path.relpath(os.path.join(top, name), folder).replace(os.sep, "/")
            if relative.lower() in RESERVED:
                refuse(f"the extra folder holds {relative}: {RESERVED[relative.lower()]}")
            if "\n" in relative or "\r" in relative:
                refuse(f"the extra folder holds a name with a line break: {relative!r}")
            names.append(relative)
    return names


def main():
    if len(sys.argv) not in (3, 4, 5):
        sys.exit(__doc__.strip())
    check_version(sys.argv[1])
    check_host(sys.argv[2])
    names = extra_names(sys.argv[3]) if len(sys.argv) > 3 and sys.argv[3] else []
    if len(sys.argv) > 4 and sys.argv[4] and not os.path.isfile(sys.argv[4]):
        refuse(f"the home page {sys.argv[4]!r} does not exist")
    for name in names:
        print(name)


if __name__ == "__main__":
    main()
