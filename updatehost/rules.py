#!/usr/bin/env python3
"""Replaces the fault server's rules file atomically, so no request sees half of it.

Usage: rules.py FILE [JSON]   (JSON from stdin when not given; '{}' means no rules)
"""
import json
import os
import sys


def write_rules(path, rules):
    tmp = f"{path}.{os.getpid()}.tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        json.dump(rules, f)
    os.replace(tmp, path)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__.strip())
    text = sys.argv[2] if len(sys.argv) == 3 else sys.stdin.read()
    write_rules(sys.argv[1], json.loads(text))


if __name__ == "__main__":
    main()
