#!/usr/bin/env python3
"""The action list (F8) on the real window: marked pictures of two folders
handed to "Create picture index" (the sheet compared with vistello-cli index
given the pictures as often as their quantities), to "Delete pictures" (one
question for both) and to "Rotate right", whose pictures must not outlive
its page. Usage: scripted_actionlist.py VISTELLO VISTELLO_CLI. Exit 77
means skipped."""
import os
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def settings_file(s):
    return os.path.join(s.home, "vistello_LE.xml")


def mark(s):
    """a.jpg and b.jpg in two folders outside the shown one, marked."""
    pictures = []
    for folder, name, colour in (("one", "a.jpg", "red"), ("two", "b.jpg", "blue")):
        os.makedirs(os.path.join(s.root, folder), exist_ok=True)
        path = os.path.join(s.root, folder, name)
        if not os.path.exists(path):
            subprocess.run(["convert", "-size", "64x48", "xc:" + colour, path], check=True)
        pictures.append(path)
    with open(os.path.join(s.home, "Vistello_LE_se.txt"), "w") as f:
        f.write("".join(p + "\r\n" for p in pictures))
    return pictures


def pixels(path):
    return subprocess.run(["djpeg", "-pnm", path], check=True, stdout=subprocess.PIPE).stdout


def index_repeats_by_quantity(s):
    a, b = mark(s)
    sheets = os.path.join(s.root, "sheets")
    os.makedirs(sheets)
    st = s.run(["key F8", "state", "button Quantity", "fill Quantity=2", "button OK",
                "fill Specify action=Create picture index", "button OK", "state",
                "fill The folder to store=" + sheets, "button Create index", "wait-jobs 60000", "state", "quit"])
    opened, handed, done = st
    page = opened["taskPane"]["page"]
    check(page and page["mode"] == 34 and page["heading"] == "Execute action", "F8 opens the action list %s" % page)
    page = handed["taskPane"]["page"]
    check(page and page["mode"] == 31 and page["status"] == "3 pictures selected",
          "OK opens the index page with a twice and b once %s" % page)
    check(done["list"]["marked"] == [], "the marks are removed on close %s" % done["list"]["marked"])
    sheet = os.path.join(sheets, "index0.jpg")
    check(os.listdir(sheets) == ["index0.jpg"], "one sheet %s" % os.listdir(sheets))
    expected = os.path.join(s.root, "cli")
    os.makedirs(expected)
    ran = subprocess.run([sw.CLI, "index", "-x", settings_file(s), "-o", expected, a, a, b],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    check(ran.returncode == 0, "vistello-cli index: %s" % ran.stderr)
    wanted = os.path.join(expected, "index0.jpg")
    if os.path.exists(sheet) and os.path.exists(wanted):
        check(pixels(sheet) == pixels(wanted), "the sheet equals vistello-cli index of a, a, b pixel for pixel")


def delete_asks_once_for_both(s):
    a, b = mark(s)
    st = s.run(["key F8", "fill Specify action=Delete pictures", "answer no", "button OK", "state", "quit"])
    question = "Are you sure to delete the 2 pictures?\nIf possible, the pictures will be moved to the recycle bin."
    check(question in st[0].get("messages", []), "one question names both pictures %s" % st[0].get("messages"))
    check(os.path.exists(a) and os.path.exists(b), "no kept, both stay")
    check(st[0]["taskPane"]["page"] is None, "no page stays open %s" % st[0]["taskPane"]["page"])


def handed_pictures_end_with_their_page(s):
    a, b = mark(s)
    st = s.run(["select 0", "key F8", "fill Specify action=Rotate right", "tick Remove all pictures off",
                "button OK", "state", "key Ctrl+R", "state", "key F8", "fill Specify action=Rotate right",
                "button OK", "button Cancel", "state", "select 0", "answer yes", "key Del", "state", "quit"])
    rotate, resize, closed, deleted = st
    page = rotate["taskPane"]["page"]
    check(page and page["mode"] == 10 and page["status"] == "2 pictures selected",
          "Rotate right gets both marked pictures %s" % page)
    page = resize["taskPane"]["page"]
    check(page and page["mode"] == 1 and page["status"] != "2 pictures selected",
          "another page gets the shown selection, not the marked pictures %s" % page)
    check(closed["taskPane"]["page"] is None, "Cancel closes the rotate page %s" % closed["taskPane"]["page"])
    check(sorted(closed["list"]["marked"]) == sorted([a, b]), "the marks stay when not removed on close")
    shown = closed["list"]["selection"]
    check(len(shown) == 1 and not os.path.exists(shown[0]), "Del deleted the selected picture %s" % shown)
    check(os.path.exists(a) and os.path.exists(b), "the marked pictures of the other folders stay")
    check(deleted["list"]["count"] == closed["list"]["count"] - 1, "one picture left the list")
    messages = deleted.get("messages", [])
    check(any(m.startswith("Are you sure to delete the picture \"") for m in messages),
          "the question names one picture %s" % messages)


def handed_pictures_end_with_the_view(s):
    mark(s)
    st = s.run(["select 0", "key F8", "fill Specify action=Rotate right", "button OK", "command 40157", "state",
                "quit"])
    page = st[0]["taskPane"]["page"]
    check(page and page["mode"] == 10 and page["status"].startswith("One picture selected"),
          "after another view the page works on the shown selection %s" % page)


def one_marked_picture_goes_to_the_page(s):
    a, b = mark(s)
    with open(os.path.join(s.home, "Vistello_LE_se.txt"), "w") as f:
        f.write(b + "\r\n")
    before = open(b, "rb").read()
    shown = sorted(f for f in os.listdir(s.samples) if f.endswith(".jpg"))
    kept = {name: open(os.path.join(s.samples, name), "rb").read() for name in shown}
    st = s.run(["key F8", "fill Specify action=Rotate right", "button OK", "state", "tick Make copy off", "button Change",
                "wait-jobs 60000",
                "state", "quit"])
    page = st[0]["taskPane"]["page"]
    check(page and page["mode"] == 10 and page["status"].startswith("One picture selected (64x48"),
          "the rotate page gets the marked picture, not the shown one %s" % page)
    finished = st[1]["jobsFinished"]
    check(len(finished) == 1 and finished[0]["written"] == [b], "the job turned the marked picture %s" % finished)
    check(open(b, "rb").read() != before, "the marked picture was turned")
    check([n for n in shown if open(os.path.join(s.samples, n), "rb").read() != kept[n]] == [],
          "the shown pictures stay as they were")


def main():
    return sw.run_scenarios([index_repeats_by_quantity, delete_asks_once_for_both,
                             handed_pictures_end_with_their_page, handed_pictures_end_with_the_view,
                             one_marked_picture_goes_to_the_page],
                            ("djpeg", "convert"))


if __name__ == "__main__":
    sys.exit(main())
