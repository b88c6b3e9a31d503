#!/usr/bin/env python3
"""The script's control lines in the real vistello: buttons of the folder
Properties dialog, the list selection, waiting for jobs and the task pane.
Usage: scripted_controls.py VISTELLO VISTELLO_CLI. Exit 77 means skipped."""
import subprocess
import sys

import scripted_window as sw
from scripted_window import check
from scripted_tree import centre, row


def listed(s):
    """The window's list for the samples folder, as the CLI orders it."""
    out = subprocess.run([sw.CLI, "list", s.samples], check=True, capture_output=True, text=True).stdout
    return [p for p in out.split("\n") if p]


def selection_follows(s):
    paths = listed(s)
    check(len(paths) >= 4, "enough samples: %d" % len(paths))
    st = s.run(["resize 1000 700", "wait-idle", "wait-jobs 2000", "select 0,2", "state", "select 3,1", "state",
                "select all", "state", "select none", "state", "quit"])
    check(st[0]["list"].get("selection") == [paths[0], paths[2]] and st[0]["list"].get("currentIndex") == 0,
          "select 0,2: %s" % st[0]["list"])
    check(st[1]["list"].get("selection") == [paths[1], paths[3]] and st[1]["list"].get("currentIndex") == 3
          and st[1]["list"].get("currentPath") == paths[3], "select 3,1: the first given is current: %s" % st[1]["list"])
    check(st[2]["list"].get("selection") == paths, "select all: %s" % st[2]["list"])
    check(st[3]["list"].get("selection") == [] and st[3]["list"].get("currentIndex") == 3,
          "select none keeps the current picture: %s" % st[3]["list"])
    check(st[1].get("preview", {}).get("focusIndex") == 3, "the strip follows the current picture: %s"
          % st[1].get("preview"))

    s.run(["resize 1000 700", "wait-idle", "select 0,%d" % len(paths), "state", "quit"], expect_status=2)
    check("outside the list" in s.stderr and "line 3" in s.stderr, "an index past the end: " + s.stderr[-300:])


def properties_buttons(s):
    """The tree's Properties dialog opened by a right click: "Copy" copies, "Close" closes it."""
    home = s.home + "/"
    home_row = row(s.run(["resize 1000 700", "wait-idle", "state", "quit"])[0], home)
    check(home_row is not None, "home folder in the tree")
    if home_row is None:
        return
    st = s.run(["resize 1000 700", "wait-idle", "menu Properties", "click %s right" % centre(home_row), "wait 300",
                "button Copy", "state", "button Close", "wait-idle", "button Copy", "quit"], expect_status=2)
    check(len(st) == 1 and home in st[0].get("clipboardText", ""), "copied text names the folder: %r"
          % st[0].get("clipboardText"))
    check(any("copied as text to the clipboard" in m for m in st[0].get("messages", [])),
          "the copy is reported: %s" % st[0].get("messages"))
    # Once the dialog is gone, "Copy" finds only the task pane's (empty, so disabled) information box.
    check('"Copy"' in s.stderr and "line 10" in s.stderr, "closed by its Close button: " + s.stderr[-300:])


def task_without_pane(s):
    s.run(["wait-idle", "task No such task", "quit"], expect_status=2)
    check('no task item "No such task"' in s.stderr, "task error names the text: " + s.stderr[-300:])


def main():
    return sw.run_scenarios([selection_follows, properties_buttons, task_without_pane])


if __name__ == "__main__":
    sys.exit(main())
