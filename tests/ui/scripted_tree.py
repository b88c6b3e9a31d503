#!/usr/bin/env python3
"""The folder tree of the real vistello, driven through VISTELLO_SCRIPT.
Usage: scripted_tree.py VISTELLO VISTELLO_CLI [--xvfb]. Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def row(state, path):
    """The tree row showing the folder, or None."""
    rows = state.get("tree", {}).get("rows", [])
    return next((r for r in rows if r["path"] == path), None)


def centre(r):
    x, y, w, h = r["rect"]
    return "%d %d" % (x + min(w, 40) // 2, y + h // 2)


def kilobytes(folder):
    """What the tree shows beside a folder, found with find(1): its own pictures, (size + 512) // 1024 each."""
    found = subprocess.run(["find", folder, "-maxdepth", "1", "-type", "f", "-iname", "*.jpg", "-printf", "%s\n"],
                           check=True, capture_output=True, text=True).stdout.split()
    return len(found), sum((int(size) + 512) // 1024 for size in found)


def tree_choose_and_drop(s):
    album = os.path.join(s.home, "album")
    target = os.path.join(s.home, "target")
    os.makedirs(album)
    os.makedirs(target)
    pictures = sorted(n for n in os.listdir(s.samples) if n.endswith(".jpg"))[:4]
    for name in pictures + ["IMG_0001.wav"]:
        shutil.copy(os.path.join(s.samples, name), album)
    with open(os.path.join(album, "notes.txt"), "w") as f:
        f.write("not a picture\n")
    home = s.home + "/"
    # Open the home branch, then look at its folders once their texts arrived.
    first = s.run(["resize 1000 700", "wait-idle", "state", "quit"])[0]
    home_row = row(first, home)
    check(home_row is not None, "home folder in the tree %s" % first.get("tree"))
    if home_row is None:
        return
    opened = s.run(["resize 1000 700", "wait-idle", "click %s double" % centre(home_row), "wait 1500", "wait-idle",
                    "state", "quit"])[0]
    album_row, target_row = row(opened, album + "/"), row(opened, target + "/")
    check(album_row is not None and target_row is not None, "home's folders listed %s" % opened.get("tree"))
    if album_row is None or target_row is None:
        return
    count, kb = kilobytes(album)
    check(album_row["text"] == "album (%d) (%d KB)" % (count, kb), "album text %s, find says %d, %d KB"
          % (album_row["text"], count, kb))
    check(target_row["text"] == "target", "an empty folder has no text: %s" % target_row["text"])

    # Choosing the album makes its pictures the list; dropping two of them
    # (one with a sound memo) onto "target" and choosing Move moves three files.
    scan = subprocess.run([sw.CLI, "scan", album], check=True, capture_output=True, text=True).stdout.split("\n")
    scanned = [p for p in scan if p]
    dragged = [os.path.join(album, "IMG_0001.jpg"), os.path.join(album, pictures[-1])]
    st = s.run(["resize 1000 700", "wait-idle", "click %s double" % centre(home_row), "wait-idle",
                "click %s" % centre(album_row), "wait-idle", "state",
                "menu Move", "drop %s %s" % (centre(target_row), "|".join(dragged)), "wait-idle", "state", "quit"])
    check(st[0]["list"].get("count") == len(scanned) and st[0]["tree"]["current"] == album + "/",
          "album chosen: %s, scan found %d" % (st[0]["list"], len(scanned)))
    # Under the tree, the drive line names the album's mount point (df's answer) with the pictures that fit.
    mount = subprocess.run(["df", "--output=target", album], check=True, capture_output=True,
                           text=True).stdout.split("\n")[1].strip()
    drive = st[0]["tree"].get("driveLine", "")
    check(drive.startswith('Drive "%s", ' % mount) and " pictures\nAverage picture size: " in drive,
          "drive line %r, df says %s" % (drive, mount))
    moved = sorted(os.listdir(target))
    check(moved == sorted(["IMG_0001.jpg", "IMG_0001.wav", pictures[-1]]), "moved into target: %s" % moved)
    check(not any(os.path.exists(p) for p in dragged + [os.path.join(album, "IMG_0001.wav")]), "sources gone")
    check(st[1]["list"].get("count") == len(scanned) - 2, "the list closed the gap: %s" % st[1]["list"])
    with open(os.path.join(s.home, "vistello_LE.xml"), encoding="utf-8-sig") as f:
        settings = f.read()
    check('<c Attr="LastUsedFolder" Type="string">%s/</c>' % album in settings, "LastUsedFolder kept")


def drop_onto_the_parent(s):
    """Pictures moved into the parent of the shown folder: the window stays in the shown folder."""
    album = os.path.join(s.home, "album")
    os.makedirs(album)
    pictures = sorted(n for n in os.listdir(s.samples) if n.endswith(".jpg"))
    for name in pictures[:3]:
        shutil.copy(os.path.join(s.samples, name), album)
    home = s.home + "/"
    home_row = row(s.run(["resize 1000 700", "wait-idle", "state", "quit"])[0], home)
    check(home_row is not None, "home folder in the tree")
    if home_row is None:
        return
    opened = s.run(["resize 1000 700", "wait-idle", "click %s double" % centre(home_row), "wait 1500", "wait-idle",
                    "state", "quit"])[0]
    album_row = row(opened, album + "/")
    check(album_row is not None, "album listed %s" % opened.get("tree"))
    if album_row is None:
        return
    dragged = [os.path.join(s.samples, name) for name in pictures[3:5]]
    st = s.run(["resize 1000 700", "wait-idle", "click %s double" % centre(home_row), "wait 1500", "wait-idle",
                "click %s" % centre(album_row), "wait-idle", "state",
                "menu Move", "drop %s %s" % (centre(home_row), "|".join(dragged)), "wait-idle", "state", "quit"])
    check(st[0]["tree"].get("current") == album + "/" and st[0]["list"].get("count") == 3, "album shown: %s %s"
          % (st[0]["tree"].get("current"), st[0]["list"]))
    check(all(os.path.exists(os.path.join(home, name)) for name in pictures[3:5]), "moved into home")
    check(st[1]["tree"].get("current") == album + "/" and st[1]["list"].get("count") == 3,
          "the album stays shown: %s %s" % (st[1]["tree"].get("current"), st[1]["list"]))


def main():
    return sw.run_scenarios([tree_choose_and_drop, drop_onto_the_parent])


if __name__ == "__main__":
    sys.exit(main())
