#!/usr/bin/env python3
"""Checks the include graph of src/: no cycle between folders, and the
subsystem layers point one way only (core never reaches imaging or
organize, metadata never reaches imaging or editing). Prints each offending
include and exits 1."""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
# Subsystems a subsystem must not include.
FORBIDDEN = {
    "platform": {"core", "imaging", "jpegmeta", "jpegedit", "publish", "organize", "ui", "app", "media"},
    "core": {"imaging", "jpegmeta", "jpegedit", "publish", "organize", "ui", "app", "media"},
    "jpegmeta": {"imaging", "jpegedit", "publish", "organize", "ui", "app"},
    "imaging": {"jpegedit", "publish", "organize", "ui", "app"},
    "jpegedit": {"publish", "organize", "ui", "app"},
}
# Headless folders below the top level that must not reach the widgets.
FORBIDDEN_FOLDERS = {
    "app/window": {"ui", "app/gui"},
    "app/startup": {"ui", "app/gui"},
}


def includes():
    for folder, _, files in os.walk(ROOT):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            source = os.path.relpath(path, ROOT)
            with open(path, encoding="utf-8") as f:
                for target in re.findall(r'#include "([^"]+)"', f.read()):
                    if os.path.exists(os.path.join(ROOT, target)):
                        yield source, target


def main():
    problems = []
    edges = {}
    for source, target in includes():
        a, b = os.path.dirname(source), os.path.dirname(target)
        if a != b:
            edges.setdefault(a, {}).setdefault(b, []).append(f"{source} -> {target}")
        top_a, top_b = source.split("/")[0], target.split("/")[0]
        if top_b in FORBIDDEN.get(top_a, ()):
            problems.append(f"layer: {source} -> {target}")
        for folder, banned in FORBIDDEN_FOLDERS.items():
            if a == folder and any(b == x or b.startswith(x + "/") for x in banned):
                problems.append(f"layer: {source} -> {target}")
    for a, targets in edges.items():
        for b, examples in targets.items():
            if a < b and a in edges.get(b, {}):
                problems.append(f"cycle {a} <-> {b}: {examples[0]}; {edges[b][a][0]}")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
