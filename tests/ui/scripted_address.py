#!/usr/bin/env python3
"""The address field of the real vistello, driven through VISTELLO_SCRIPT:
typing a folder and Enter, the history across a restart, and a program that
is never run. Usage: scripted_address.py VISTELLO VISTELLO_CLI."""
import os
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check

# Focuses the address field and selects its text, so that typing replaces it.
INTO_FIELD = ["click 150 11", "key Ctrl+A"]


def scan_count(folder):
    done = subprocess.run([sw.CLI, "scan", folder], capture_output=True, text=True, check=True)
    return len(done.stdout.splitlines())


def folder_picture_and_history(s):
    other = os.path.join(s.root, "other folder")
    os.makedirs(os.path.join(other, "sub"))
    pictures = sorted(n for n in os.listdir(s.samples) if n.endswith(".jpg"))[:3]
    for name in pictures:
        shutil.copy(os.path.join(s.samples, name), os.path.join(other, "x_" + name))
    with open(os.path.join(other, "notes.txt"), "w") as f:
        f.write("not a picture")
    picture = os.path.join(other, "x_" + pictures[1])
    st = s.run(["resize 1000 700", "wait-idle", "state"] + INTO_FIELD +
               # Keys that step through the pictures elsewhere only edit the text here.
               ["type a", "key Right", "key Backspace", "key Home", "key PgDown", "state"] + INTO_FIELD +
               # The folder is offered whatever the case of the typed prefix.
               ["type " + os.path.join(s.root, "OTHER F")] + ["wait 100", "state"] * 20 + INTO_FIELD +
               ["type " + other, "key Return", "state"] + INTO_FIELD +
               ["type " + picture, "key Return", "state", "quit"])
    start, typing, offered, folder, shown = st[0], st[1], st[2:22], st[22], st[23]
    check(typing["list"] == start["list"] and typing["window"]["displayStyle"] == 1
          and typing["window"]["focus"] == "address", "keys stay in the field %s" % typing["list"])
    check(any(x["address"]["suggestions"] == [other] for x in offered),
          "the folder is offered: %s" % offered[-1]["address"])
    check(folder["list"]["count"] == scan_count(other) == 3 and folder["list"]["currentPath"].startswith(other + "/"),
          "the typed folder is the list: %s" % folder["list"])
    check(folder["address"]["text"] == other + "/", "the field shows the folder %s" % folder["address"])
    check(shown["list"]["currentPath"] == picture and shown["list"]["count"] == 3,
          "a typed picture is shown in its folder %s" % shown["list"])
    again = s.run(["wait-idle", "state", "quit"])[0]
    check(again["address"]["history"] == [other, picture], "history after a restart %s" % again["address"])
    s.run(INTO_FIELD + ["type :r", "key Return", "quit"])
    again = s.run(["wait-idle", "state", "quit"])[0]
    check(again["address"]["history"] == [], "\":r\" empties the history %s" % again["address"])


def program_never_runs(s):
    marker = os.path.join(s.root, "marker")
    program = os.path.join(s.root, "run me.sh")
    with open(program, "w") as f:
        f.write("#!/bin/sh\ntouch '%s'\n" % marker)
    os.chmod(program, 0o755)
    missing = os.path.join(s.root, "nothing here")
    st = s.run(["wait-idle", "state"] + INTO_FIELD + ["type " + program, "key Return", "wait 300", "state"]
               + INTO_FIELD + ["type " + missing, "key Return", "state", "quit"])
    start, ran, typo = st
    check(not os.path.exists(marker), "the program was not run")
    check(ran["list"] == start["list"], "the list stays %s" % ran["list"])
    check(ran["messages"] == ['"%s" is a program or a special file.\nIt is not opened from the address field.' % program],
          "the user is told %s" % ran["messages"])
    check(len(typo["messages"]) == 2 and typo["messages"][1].startswith('"%s" was not found.' % missing),
          "a missing path is named %s" % typo["messages"])


def main():
    return sw.run_scenarios([folder_picture_and_history, program_never_runs])


if __name__ == "__main__":
    sys.exit(main())
