#!/usr/bin/env python3
"""Zips a folder into an update package: every file and folder under it, with its relative name.

    make_package.py PACKAGE FOLDER

Entry names are stored as GBK bytes, as the updater reads them (Python would store UTF-8 otherwise).
The package is written beside its final name and renamed into place.
"""
import os
import sys
import zipfile


class GbkName(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits


def main():
    package_path, folder = sys.argv[1:3]
    partial = package_path + ".partial"
    with zipfile.ZipFile(partial, "w") as package:
        for top, folders, files in os.walk(folder):
            folders.sort()
            relative = os.path.relpath(top, folder).replace(os.sep, "/")
            if relative != ".":
                info = GbkName.from_file(top, relative + "/")
                info.filename = relative + "/"
                package.writestr(info, b"")
            for name in sorted(files):
                path = os.path.join(top, name)
                entry = name if relative == "." else relative + "/" + name
                info = GbkName.from_file(path, entry)
                info.compress_type = zipfile.ZIP_DEFLATED
                with open(path, "rb") as f:
                    package.writestr(info, f.read())
    os.replace(partial, package_path)


if __name__ == "__main__":
    main()
