#!/usr/bin/env python3
"""The "Rename" page (F2) and the "Change picture comment" dialog (F4) on the
real window, driven through VISTELLO_SCRIPT. Oracle: vistello-cli rename and
vistello-cli comment on a copy of the same folder.
Usage: scripted_rename_comment.py VISTELLO VISTELLO_CLI. Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check

OVERRIDE = "At least one renamed picture would override an existing picture."


def contents(folder):
    """Every file of the folder by name with its bytes."""
    return {n: open(os.path.join(folder, n), "rb").read() for n in sorted(os.listdir(folder))
            if os.path.isfile(os.path.join(folder, n))}


def copy_of_samples(s, under):
    """The samples folder copied under root/UNDER, keeping its last name (comments are keyed by it)."""
    target = os.path.join(s.root, under, "samples")
    shutil.copytree(s.samples, target, copy_function=shutil.copy2)
    return target


def rename_page(s):
    oracle = copy_of_samples(s, "cli")
    st = s.run(["resize 1000 700", "wait-idle", "select 0,1,2", "key F2", "state",
                "fill New picture name=Trip_%03d", "fill Start index=1", "button Rename", "wait-jobs 30000",
                "wait-idle", "state", "key F2", "key F2", "state", "quit"])
    opened, done, toggled = st
    page = opened["taskPane"]["page"]
    check(page and page["heading"] == "Rename" and page["status"] == "3 pictures selected",
          "F2 opens the page %s" % page)
    chosen = [os.path.basename(p) for p in opened["list"]["selection"]]
    check(len(chosen) == 3, "three pictures chosen %s" % chosen)
    cli = subprocess.run([sw.CLI, "rename", "--pattern", "Trip_%03d", "--start", "1"]
                         + [os.path.join(oracle, n) for n in chosen], stdout=subprocess.PIPE, text=True)
    check(cli.returncode == 0, "the CLI renamed: %s" % cli.stdout)
    mine, theirs = contents(s.samples), contents(oracle)
    check(sorted(mine) == sorted(theirs), "the same names as the CLI:\n%s\n%s" % (sorted(mine), sorted(theirs)))
    check(all(mine[n] == theirs[n] for n in mine if n in theirs), "the same bytes as the CLI")
    check(any(n.startswith("Trip_001") for n in mine), "Trip_001 made %s" % sorted(mine))
    check(done["taskPane"]["page"] is None, "Rename closes the page %s" % done["taskPane"]["page"])
    current = os.path.basename(done["list"]["currentPath"])
    check(current.startswith("Trip_001"), "the current entry names the new file %s" % current)
    renamed = [os.path.basename(p) for p in done["list"]["selection"]]
    check(renamed == ["Trip_001.jpg", "Trip_002.jpg", "Trip_003.jpg"] and done["list"]["count"] == opened["list"]["count"],
          "the list names the new files in place %s" % renamed)
    check(toggled["taskPane"]["page"] is None and toggled["window"]["displayStyle"] == 1,
          "F2 twice opens and closes the page, the picture page stays %s" % toggled["taskPane"]["page"])


def rename_refused(s):
    before = contents(s.samples)
    st = s.run(["resize 1000 700", "command 40157", "wait-idle", "select 0,1", "key F2",
                "fill New picture name=IMG_%04d", "fill Start index=3", "button Rename", "state",
                "select 0", "fill New picture name=IMG_0002", "button Rename", "state",
                "fill New picture name=Beach", "button Rename", "wait-jobs 30000", "wait-idle", "state", "quit"])
    several, single, renamed = st
    check(any(OVERRIDE in m for m in several.get("messages", [])), "the override message %s" % several.get("messages"))
    check(several["taskPane"]["page"] and several["taskPane"]["page"]["heading"] == "Rename",
          "the page is open again %s" % several["taskPane"]["page"])
    check(any("already exist" in m and "IMG_0002.jpg" in m for m in single.get("messages", [])),
          "the name-taken message %s" % single.get("messages"))
    check(single["taskPane"]["page"] is not None, "the page is open again after one picture")
    first = os.path.basename(single["list"]["currentPath"])
    after = contents(s.samples)
    base = os.path.splitext(first)[0]
    # The sound memo follows its picture.
    expected = sorted("Beach" + os.path.splitext(n)[1] if os.path.splitext(n)[0] == base else n for n in before)
    check(sorted(after) == expected and after.get("Beach.jpg") == before[first],
          "only %s and its memo became Beach: %s" % (first, sorted(after)))
    check(os.path.basename(renamed["list"]["currentPath"]) == "Beach.jpg", "the list names Beach.jpg %s"
          % renamed["list"]["currentPath"])


def comment_list_line(path, key):
    if not path or not os.path.exists(path):
        return None
    text = open(path, "rb").read().decode("utf-8-sig")
    lines = [l for l in text.split("\r\n") if l.startswith('"' + key + '"')]
    return lines[0] if lines else None


def find_list(home):
    for folder, _, files in os.walk(home):
        if "Vistello_LE.txt" in files:
            return os.path.join(folder, "Vistello_LE.txt")
    return None


def comment_dialog(s):
    oracle = copy_of_samples(s, "cli")
    cli_home = os.path.join(s.root, "clihome")
    os.makedirs(cli_home)
    text = "Holiday at sea"
    st = s.run(["wait-idle", "select 0", "state", "key F4", "tick Write to list on", "tick Write to picture file on",
                "tick Add to existing comment off", "fill #1=" + text, "fill #2=" + text, "button OK", "state",
                "quit"])
    chosen, done = st
    name = os.path.basename(chosen["list"]["currentPath"])
    check(text in done.get("viewer", {}).get("textLine", ""), "the text line shows it %s" % done.get("viewer"))
    cli = subprocess.run([sw.CLI, "comment", "-b", cli_home, "--list", text, "--file", text,
                          os.path.join(oracle, name)], stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    check(cli.returncode == 0, "the CLI wrote the comment: %s" % cli.stderr)
    check(open(os.path.join(s.samples, name), "rb").read() == open(os.path.join(oracle, name), "rb").read(),
          "the same picture bytes as the CLI")
    key = "samples/" + name
    mine = comment_list_line(find_list(s.home), key)
    theirs = comment_list_line(os.path.join(cli_home, "Vistello_LE.txt"), key)
    check(mine is not None and mine == theirs, "the same comment-list line as the CLI: %r %r" % (mine, theirs))
    # Kept across a restart.
    again = s.run(["wait-idle", "select 0", "state", "quit"])[0]
    check(text in again.get("viewer", {}).get("textLine", ""), "the comment after a restart %s" % again.get("viewer"))


def main():
    return sw.run_scenarios([rename_page, rename_refused, comment_dialog])


if __name__ == "__main__":
    sys.exit(main())
