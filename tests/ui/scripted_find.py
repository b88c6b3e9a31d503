#!/usr/bin/env python3
"""The search page (F3) and the picture check page on the real window,
driven through VISTELLO_SCRIPT. Oracles: vistello-cli search and
vistello-cli check over the same files.
Usage: scripted_find.py VISTELLO VISTELLO_CLI. Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys
import tempfile

import scripted_window as sw
from scripted_window import check

PATTERN = "IMG_00[12]"
SEARCH_STYLE = 0x200000
INVALID = "The search text is invalid.\nNote: You can also use regular expressions."


def make_tree(s):
    """A folder tree with matching names at several depths, names that do
    not match, and a matching name that is no picture."""
    tree = os.path.join(s.root, "tree")
    source = os.path.join(s.samples, "IMG_0001.jpg")
    for name in ("IMG_0010.jpg", "sub/IMG_0021.jpg", "sub/deeper/img_0012.JPG", "MY_IMG_0011.jpg",
                 "IMG_0001.jpg", "sub/IMG_0030.jpg", "sub/IMG_0013.txt", "a/b/c/IMG_0029.jpg"):
        path = os.path.join(tree, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        shutil.copy2(source, path)
    return tree


def cli_search(tree):
    done = subprocess.run([sw.CLI, "search", "--name", PATTERN, tree], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, check=True)
    return done.stdout.splitlines()


def tree_row(state, text):
    for row in state.get("tree", {}).get("rows", []):
        if row["text"].startswith(text):
            x, y, w, h = row["rect"]
            return "%d %d" % (x + min(w, 60) // 2, y + h // 2)
    return None


def search_by_name(s):
    tree = make_tree(s)
    expected = cli_search(tree)
    check(len(expected) == 5, "the CLI finds the five matching pictures %s" % expected)
    st = s.run(["resize 1000 700", "wait-idle", "state", "key F3", "state", "tick Search picture name on",
                "fill Picture name=" + PATTERN, "fill List of the folders=" + tree,
                "tick Delete old search results on", "answer yes", "button Search", "wait-jobs 60000", "state",
                "select all", "state", "quit"])
    before, opened, done, selected = st
    check(opened["window"]["displayStyle"] == SEARCH_STYLE, "F3 shows the search page %s" % opened["window"])
    check(done["window"]["displayStyle"] == before["window"]["displayStyle"],
          "Search closes the page %s" % done["window"])
    finished = done["jobsFinished"]
    check(len(finished) == 1 and finished[0]["kind"] == 4, "one search job %s" % finished)
    asked = "The picture search is finished. 5 pictures have been found.\nWould you like to see these pictures?"
    check(asked in done.get("messages", []), "the question with the count %s" % done.get("messages"))
    check(selected["list"]["kind"] == "searchResult", "yes shows the search results %s" % selected["list"]["kind"])
    check(selected["list"]["selection"] == expected,
          "the results are the CLI's, in its order:\n%s\n%s" % (selected["list"]["selection"], expected))

    # After a restart the stored list is there under "Search results".
    st = s.run(["resize 1000 700", "wait-idle", "state", "quit"])
    at = tree_row(st[0], "Search results")
    check(at is not None, "the tree has its search results %s" % [r["text"] for r in st[0].get("tree", {}).get("rows", [])])
    if at:
        st = s.run(["resize 1000 700", "wait-idle", "click " + at, "wait-idle", "select all", "state", "quit"])
        check(st[0]["list"]["kind"] == "searchResult" and st[0]["list"]["selection"] == expected,
              "the results survive a restart %s" % st[0]["list"])


def toggle_and_invalid_pattern(s):
    st = s.run(["wait-idle", "state", "key F3", "key F3", "state", "task Search pictures", "state",
                "tick Search picture name on", "fill Picture name=a{3,2}", "button Search", "state", "quit"])
    before, toggled, opened, refused = st
    check(toggled["window"]["displayStyle"] == before["window"]["displayStyle"], "F3 twice closes the page")
    check(opened["window"]["displayStyle"] == SEARCH_STYLE, "the task item opens the page %s" % opened["window"])
    check(INVALID in refused.get("messages", []), "the invalid pattern is refused %s" % refused.get("messages"))
    check(refused["window"]["displayStyle"] == SEARCH_STYLE and refused["jobsFinished"] == []
          and refused["jobs"] == [], "no search started, the page stays %s" % refused["jobsFinished"])


def picture_check(s):
    whole = open(os.path.join(s.samples, "IMG_0002.jpg"), "rb").read()
    broken = os.path.join(s.samples, "IMG_0007.jpg")
    with open(broken, "wb") as f:
        f.write(whole[:len(whole) // 2])
    st = s.run(["wait-idle", "task Picture check", "task Picture check", "state", "select all",
                "task Picture check", "state", "answer no", "button Check", "wait-jobs 60000", "state", "quit"])
    toggled, opened, done = st
    check(toggled["taskPane"]["page"] is None, "the task item twice closes the page %s" % toggled["taskPane"])
    page = opened["taskPane"]["page"]
    check(page and page["heading"] == "Picture check", "the task item opens the page %s" % page)
    finished = done["jobsFinished"]
    check(len(finished) == 1 and finished[0]["kind"] == 8, "one picture check job %s" % finished)
    check("One broken picture was found in the selected pictures.\nWould you like to view the error list?"
          in done.get("messages", []), "the question %s" % done.get("messages"))
    lists = [os.path.join(d, f) for d, _, files in os.walk(s.home) for f in files if f == "Errorlist.txt"]
    check(len(lists) == 1, "one error list in the personal folder %s" % lists)
    with tempfile.TemporaryDirectory() as personal:
        subprocess.run([sw.CLI, "check", "-b", personal, s.samples], stdout=subprocess.DEVNULL)
        expected = open(os.path.join(personal, "Errorlist.txt"), "rb").read()
    if lists:
        written = open(lists[0], "rb").read()
        check(written == expected, "the error list is the CLI's:\n%r\n%r" % (written, expected))
        lines = written.decode("utf-8-sig").splitlines()
        check(len(lines) == 1 and lines[0].startswith(broken + ' , "'), "exactly the truncated picture %s" % lines)


def main():
    return sw.run_scenarios([search_by_name, toggle_and_invalid_pattern, picture_check])


if __name__ == "__main__":
    sys.exit(main())
