#!/usr/bin/env python3
"""Self-test of check_include_layers.py: the real tree passes; a copy with a
planted upward include or a cycle through three folders fails, naming it."""
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CHECKER = os.path.join(HERE, "check_include_layers.py")
SOURCE = os.path.join(HERE, "..", "src")


def run(root):
    result = subprocess.run([sys.executable, CHECKER, root], capture_output=True, text=True)
    return result.returncode, result.stdout


def plant(root, folder, target):
    """Adds a source file in folder that includes target (a file created if missing)."""
    os.makedirs(os.path.join(root, folder), exist_ok=True)
    target_path = os.path.join(root, target)
    os.makedirs(os.path.dirname(target_path), exist_ok=True)
    if not os.path.exists(target_path):
        open(target_path, "w").close()
    name = "Planted" + str(len(os.listdir(os.path.join(root, folder)))) + ".cpp"
    with open(os.path.join(root, folder, name), "w") as f:
        f.write(f'#include "{target}"\n')


# Each case: the includes to plant (folder, included file) and a text the report must hold.
CASES = [
    ("organize reaches the widgets", [("organize/regex", "ui/common/Planted.h")], "layer: organize/regex/"),
    ("media reaches the headless window", [("media", "app/window/frame/Planted.h")], "layer: media/"),
    ("core reaches organize", [("core/lists", "organize/regex/Planted.h")], "layer: core/lists/"),
    ("the command line reaches the widgets", [("app/cli", "ui/frame/Planted.h")], "layer: app/cli/"),
    ("a folder outside every layer", [("gadgets", "core/settings/Planted.h")], "belongs to no layer"),
    ("three folders in a ring", [
        ("app/window/frame", "app/window/viewer/PlantedA.h"),
        ("app/window/viewer", "app/window/strip/PlantedB.h"),
        ("app/window/strip", "app/window/frame/PlantedC.h"),
    ], "cycle app/window/frame -> app/window/viewer -> app/window/strip -> app/window/frame"),
    ("two folders deep in one layer", [
        ("jpegmeta/tags", "jpegmeta/info/PlantedA.h"),
    ], "cycle jpegmeta/info -> jpegmeta/tags -> jpegmeta/info"),
]


def main():
    failures = []
    code, out = run(SOURCE)
    if code != 0:
        failures.append(f"the real tree fails:\n{out}")
    for title, planted, expected in CASES:
        with tempfile.TemporaryDirectory() as tmp:
            root = os.path.join(tmp, "src")
            shutil.copytree(SOURCE, root, ignore=shutil.ignore_patterns("*.qrc", "*.png", "*.html"))
            for folder, target in planted:
                plant(root, folder, target)
            code, out = run(root)
            if code != 1 or expected not in out:
                failures.append(f"{title}: exit {code}, expected '{expected}' in:\n{out}")
    for f in failures:
        print(f)
    print(f"{len(CASES) + 1 - len(failures)} of {len(CASES) + 1} cases pass")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
