#!/usr/bin/env python3
"""The publishing pages on the real window: "Create a HTML page" and "Create
picture index" driven through VISTELLO_SCRIPT, their output compared with
vistello-cli gallery and vistello-cli index run on the settings the window
stored (file names and bytes; sheets pixel for pixel through djpeg).
Usage: scripted_publish.py VISTELLO VISTELLO_CLI. Exit 77 means skipped."""
import os
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def settings_file(s):
    return os.path.join(s.home, "vistello_LE.xml")


def tree(folder):
    """Every file of the folder by name, with its bytes."""
    return {name: open(os.path.join(folder, name), "rb").read() for name in sorted(os.listdir(folder))}


def cli(s, command, out, pictures):
    os.makedirs(out)
    done = subprocess.run([sw.CLI, command, "-x", settings_file(s), "-o", out] + pictures,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    check(done.returncode == 0, "vistello-cli %s: %s" % (command, done.stderr))


def pixels(path):
    return subprocess.run(["djpeg", "-pnm", path], check=True, stdout=subprocess.PIPE).stdout


def gallery_page(s):
    web = os.path.join(s.root, "web")
    os.makedirs(web)
    st = s.run(["command 40157", "wait-idle", "select 0,1,2", "task Create a HTML page", "state",
                "command 40010", "state", "task Create a HTML page", "fill The folder where=" + web,
                "fill Page headline=Bob's trip", "fill Pictures per row=2", "answer no",
                "button Create a HTML page", "state", "wait-jobs 60000", "state", "quit"])
    opened, toggled, started, done = st
    page = opened["taskPane"]["page"]
    check(page and page["mode"] == 30 and page["heading"] == "Create a HTML page"
          and page["status"] == "3 pictures selected", "the task opens the page %s" % page)
    check(toggled["taskPane"]["page"] is None, "40010 closes it again %s" % toggled["taskPane"])
    check(started["taskPane"]["page"] is None, "the page closes when the job starts %s" % started["taskPane"])
    finished = done["jobsFinished"]
    check(len(finished) == 1 and finished[0]["kind"] == 0 and not finished[0].get("failure"),
          "one gallery job %s" % finished)
    check(done["list"]["count"] == opened["list"]["count"],
          "the gallery's files are not added to the list %d -> %d" % (opened["list"]["count"], done["list"]["count"]))
    offer = 'The HTML page "%s/index.html"\nwas created.\nWould you like to view the HTML page?' % web
    check(offer in done.get("messages", []), "the start page is offered %s" % done.get("messages"))
    expected = os.path.join(s.root, "cli")
    cli(s, "gallery", expected, opened["list"]["selection"])
    written, wanted = tree(web), tree(expected)
    check(sorted(written) == sorted(wanted), "the same files as vistello-cli gallery:\n%s\n%s"
          % (sorted(written), sorted(wanted)))
    check([n for n in wanted if written.get(n) != wanted[n]] == [], "the same bytes as vistello-cli gallery")
    check(b"Bob&#39;s trip" in written.get("index.html", b""), "the headline from the page")


def second_gallery_is_refused(s):
    # Large pictures keep the first job busy while the second is started.
    for i in range(24):
        subprocess.run(["convert", "-size", "2400x1800", "gradient:red-blue", "-quality", "95",
                        os.path.join(s.samples, "big%02d.jpg" % i)], check=True)
    web = os.path.join(s.root, "web")
    os.makedirs(web)
    st = s.run(["command 40157", "wait-idle", "select all", "task Create a HTML page", "fill The folder where=" + web,
                "answer no", "button Create a HTML page", "select 0", "task Create a HTML page",
                "button Create a HTML page", "state", "wait-jobs 120000", "state", "quit"])
    refused, done = st
    message = 'A HTML page will be created in the folder\n"%s/"\nalready.' % web
    check(message in refused.get("messages", []), "the second start is refused %s" % refused.get("messages"))
    check(len(refused["jobs"]) == 1, "one job runs %s" % refused["jobs"])
    page = refused["taskPane"]["page"]
    check(page and page["mode"] == 30, "the page stays open %s" % page)
    check(len(done["jobsFinished"]) == 1, "only the first gallery ran %s" % done["jobsFinished"])


def index_page(s):
    sheets = os.path.join(s.root, "sheets")
    os.makedirs(sheets)
    st = s.run(["command 40157", "wait-idle", "select 0,1,2", "task Create picture index", "state",
                "command 40030", "state", "task Create picture index", "fill The folder to store=" + sheets,
                "fill Index size=2", "tick Add film stripe on", "button Create index", "wait-jobs 60000", "state", "quit"])
    opened, toggled, done = st
    page = opened["taskPane"]["page"]
    check(page and page["mode"] == 31 and page["heading"] == "Picture index", "the task opens the page %s" % page)
    check(toggled["taskPane"]["page"] is None, "40030 closes it again %s" % toggled["taskPane"])
    sheet = os.path.join(sheets, "index0.jpg")
    check(sorted(os.listdir(sheets)) == ["index0.jpg"], "one sheet %s" % os.listdir(sheets))
    check(done["list"]["currentPath"] == sheet, "the single sheet is the current picture %s" % done["list"])
    expected = os.path.join(s.root, "cli")
    cli(s, "index", expected, opened["list"]["selection"])
    if os.path.exists(sheet) and os.path.exists(os.path.join(expected, "index0.jpg")):
        check(pixels(sheet) == pixels(os.path.join(expected, "index0.jpg")),
              "the sheet equals vistello-cli index pixel for pixel")


def main():
    return sw.run_scenarios([gallery_page, second_gallery_is_refused, index_page], ("djpeg", "convert"))


if __name__ == "__main__":
    sys.exit(main())
