#!/usr/bin/env python3
"""The task pane on the real window: the transformation and copy pages and
their jobs, list export, the information box and the wallpaper page, driven
through VISTELLO_SCRIPT. Oracles: jpegtran/djpeg, exiftool, vistello-cli list,
gsettings, ImageMagick identify.
Usage: scripted_tasks.py VISTELLO VISTELLO_CLI [--xvfb]. Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys
import urllib.parse

import scripted_window as sw
from scripted_window import check

FIRST_THREE = ["IMG_0001.jpg", "IMG_0002.jpg", "IMG_0003.jpg"]


def pixels(path):
    return subprocess.run(["djpeg", "-pnm", path], check=True, stdout=subprocess.PIPE).stdout


def rotated(path, out):
    subprocess.run(["jpegtran", "-copy", "none", "-rotate", "90", "-trim", "-outfile", out, path], check=True)
    return pixels(out)


def keep_originals(s):
    saved = os.path.join(s.root, "orig")
    os.makedirs(saved)
    for name in os.listdir(s.samples):
        shutil.copy2(os.path.join(s.samples, name), saved)
    return saved


def exif_sizes(path):
    out = subprocess.run(["exiftool", "-s3", "-n", "-ImageWidth", "-ImageHeight", "-ExifImageWidth",
                          "-ExifImageHeight", "-Orientation", path], check=True, stdout=subprocess.PIPE,
                         text=True).stdout.split()
    return out


def rotate_right_page(s):
    saved = keep_originals(s)
    st = s.run(["resize 1000 700", "command 40157", "wait-idle", "state", "select 0,1,2", "key Alt+2", "state",
                "tick Make copy off", "button Change", "state", "wait-jobs 60000", "wait-idle", "state", "quit"])
    before, opened, started, done = st
    page = opened["taskPane"]["page"]
    check(page and page["heading"] == "Rotate right" and page["status"] == "3 pictures selected"
          and page["mode"] == 10, "Alt+2 opens the page %s" % page)
    check(opened["taskPane"]["slot"] == "page", "the page in the slot %s" % opened["taskPane"]["slot"])
    check(started["taskPane"]["page"] is None, "Change closes the page %s" % started["taskPane"])
    finished = done["jobsFinished"]
    check(len(finished) == 1 and finished[0]["kind"] == 9, "one transformation job %s" % finished)
    written = sorted(os.path.basename(p) for p in finished[0]["written"]) if finished else []
    check(written == FIRST_THREE, "it wrote the three pictures %s" % written)
    check(done["jobs"] == [], "no job left %s" % done["jobs"])
    for name in FIRST_THREE:
        path = os.path.join(s.samples, name)
        check(pixels(path) == rotated(os.path.join(saved, name), os.path.join(s.root, "expected.jpg")),
              name + " decodes as jpegtran -rotate 90 -trim of its original")
        w, h, ew, eh, orientation = (int(v) for v in exif_sizes(path))
        was = int(exif_sizes(os.path.join(saved, name))[4])
        # A plain turn swaps the EXIF sizes and leaves the orientation flag alone.
        check((ew, eh) == (w, h) and orientation == was, "%s: EXIF sizes %dx%d of %dx%d, orientation %d (was %d)"
              % (name, ew, eh, w, h, orientation, was))
    old, new = before["overview"]["tileKeys"], done["overview"]["tileKeys"]
    check([i for i in range(min(len(old), len(new))) if old[i] != new[i]] == [0, 1, 2],
          "exactly the three tiles made anew %s -> %s" % (old, new))
    check(done["taskPane"]["page"] is None and done["taskPane"]["slot"] == "info"
          and len(done["taskPane"]["items"]) == 17, "the task list is back %s" % done["taskPane"]["slot"])


def rotate_with_copy_and_toggle(s):
    saved = keep_originals(s)
    st = s.run(["resize 1000 700", "command 40157", "wait-idle", "select 0,1,2", "key Alt+2", "key Alt+2", "state",
                "key Alt+2", "tick Make copy on", "button Change", "wait-jobs 60000", "state", "quit"])
    toggled, done = st
    check(toggled["taskPane"]["page"] is None and toggled["taskPane"]["slot"] == "info",
          "Alt+2 twice closes the page %s" % toggled["taskPane"])
    for name in FIRST_THREE:
        check(open(os.path.join(s.samples, name), "rb").read() == open(os.path.join(saved, name), "rb").read(),
              name + " untouched")
        copy = os.path.join(s.samples, "Copy of " + name)
        check(os.path.exists(copy) and pixels(copy) == rotated(os.path.join(saved, name),
                                                                os.path.join(s.root, "expected.jpg")),
              "Copy of %s is the turned picture" % name)


def cancel_leaves_every_picture_whole(s):
    saved = keep_originals(s)
    st = s.run(["resize 1000 700", "command 40157", "wait-idle", "key Ctrl+A", "key Alt+2", "tick Make copy off",
                "button Change", "button Cancel", "wait-jobs 60000", "state", "quit"])
    finished = st[0]["jobsFinished"]
    jpegs = [n for n in os.listdir(saved) if n.lower().endswith(".jpg")]
    check(len(finished) == 1 and len(finished[0]["written"]) < len(jpegs),
          "Cancel stopped the job early: %s" % [len(j["written"]) for j in finished])
    for name in sorted(os.listdir(saved)):
        if not name.lower().endswith(".jpg"):
            continue
        now = open(os.path.join(s.samples, name), "rb").read()
        if now == open(os.path.join(saved, name), "rb").read():
            continue
        check(pixels(os.path.join(s.samples, name)) == rotated(os.path.join(saved, name),
                                                               os.path.join(s.root, "expected.jpg")),
              name + " is either old or wholly new")
    leftovers = [n for n in os.listdir(s.samples) if n.startswith(".") or n.endswith(".tmp")]
    check(not leftovers, "no temporary files left %s" % leftovers)


def one_picture_status(s):
    big = os.path.join(s.samples, "big.jpg")
    subprocess.run(["convert", "-size", "4000x3000", "xc:steelblue", big], check=True)
    with open(big, "r+b") as f:
        f.truncate(5242879)  # padded after the picture's end
    st = s.run(["command 40157", "wait-idle", "select 0", "key Alt+2", "state", "quit"])
    page = st[0]["taskPane"]["page"]
    check(page and page["status"] == "One picture selected (4000x3000, 5120 KB)", "one picture's status %s" % page)


def copy_pictures_and_export_list(s):
    listed = os.path.join(s.root, "exported.csv")
    st = s.run(["command 40157", "wait-idle", "select 0", "key Ctrl+K", "state", "button Copy", "wait-jobs 30000",
                "key Ctrl+A", "answer " + listed, "key Ctrl+L", "state", "quit"])
    check(st[0]["taskPane"]["page"] and st[0]["taskPane"]["page"]["heading"] == "Copy pictures",
          "Ctrl+K opens the page %s" % st[0]["taskPane"]["page"])
    for name in ("Copy of IMG_0001.jpg", "Copy of IMG_0001.wav"):
        check(os.path.exists(os.path.join(s.samples, name)), name + " made")
    finished = st[1]["jobsFinished"]
    check(len(finished) == 1 and finished[0]["kind"] == 6, "one copy job %s" % finished)
    check(os.path.exists(listed), "the list file written")
    if os.path.exists(listed):
        read = subprocess.run([sw.CLI, "list", listed], stdout=subprocess.PIPE, text=True, check=True).stdout
        shown = st[1]["list"]["selection"]
        check(read.splitlines() == shown and len(shown) == st[1]["list"]["count"],
              "the list file reads back as the list, in its order:\n%s\n%s" % (read, shown))


def information_box_copy(s):
    # The pointer over the first tile of the overview; its information in the box, then Copy.
    st = s.run(["resize 1000 700", "command 40157", "wait-idle", "state", "quit"])
    rect = st[0]["overview"].get("firstItemRect")
    check(rect, "the overview reports its first item %s" % st[0]["overview"].keys())
    if not rect:
        return
    x, y = rect[0] + rect[2] // 2, rect[1] + rect[3] // 2
    st = s.run(["resize 1000 700", "command 40157", "wait-idle", "hover %d %d" % (x, y), "state", "button Copy",
                "state", "quit"])
    info = st[0]["taskPane"]["info"]
    check(info["title"] == "IMG_0001.jpg" and "1600x1200" in info["text"], "the box shows the tile's picture %s" % info)
    expected = info["title"] + "\r\n" + info["text"].replace("\r\n", "\n").replace("\n", "\r\n") + "\r\n"
    check(st[1]["clipboardText"] == expected, "Copy puts title and text with CR LF %r" % st[1]["clipboardText"])
    check(any("copied as text to the clipboard" in m for m in st[1].get("messages", [])), "33264 shown")


def wallpaper(s):
    config = os.path.join(s.root, "config")
    os.makedirs(config)
    picture = os.path.join(s.samples, "aaa_small.jpg")
    subprocess.run(["convert", "-size", "640x480", "xc:orange", picture], check=True)
    saved = dict(os.environ)
    os.environ.update(XDG_CURRENT_DESKTOP="GNOME", GSETTINGS_BACKEND="keyfile", XDG_CONFIG_HOME=config)
    try:
        def current():
            return subprocess.run(["gsettings", "get", "org.gnome.desktop.background", "picture-uri"],
                                  stdout=subprocess.PIPE, text=True, check=True).stdout.strip().strip("'")
        s.run(["wait-idle", "select 0", "task Set picture", "state", "button Set", "wait-jobs 20000", "quit"])
        first = current()
        check(first.startswith("file://") and first.endswith(".bmp"), "gsettings names the bitmap %s" % first)
        path = urllib.parse.unquote(first[len("file://"):])
        if os.path.exists(path):
            info = subprocess.run(["identify", "-format", "%w %h %[bit-depth] %m %[channels]", path],
                                  stdout=subprocess.PIPE, text=True).stdout
            check(info.startswith("1280 960 8 BMP"), "a 1280x960 24-bit BMP: %s" % info)
        else:
            check(False, "the wallpaper bitmap exists: %s" % path)
        s.run(["wait-idle", "select 0", "task Set picture", "button Set", "wait-jobs 20000", "quit"])
        second = current()
        check(second != first and not os.path.exists(path), "a new file, the first gone: %s %s" % (first, second))
        os.environ["XDG_CURRENT_DESKTOP"] = "sway"
        s.run(["wait-idle", "select 0", "task Set picture", "button Set", "quit"], expect_status=2)
        check("Set" in s.stderr, "Set is disabled on sway: %s" % s.stderr[-300:])
    finally:
        os.environ.clear()
        os.environ.update(saved)
    plan = subprocess.run([sw.CLI, "wallpaper", "--dry-run", "--screen", "1280x1024", picture],
                          env=dict(os.environ, XDG_CURRENT_DESKTOP="GNOME"), stdout=subprocess.PIPE, text=True)
    check(plan.returncode == 0 and "gsettings" in plan.stdout, "the dry run prints its commands: %s" % plan.stdout)


def main():
    if sw.XVFB:
        return sw.run_scenarios([wallpaper], ("gsettings", "identify", "convert"))
    return sw.run_scenarios([rotate_right_page, rotate_with_copy_and_toggle, cancel_leaves_every_picture_whole,
                             one_picture_status, copy_pictures_and_export_list, information_box_copy],
                            ("jpegtran", "djpeg", "exiftool", "convert"))


if __name__ == "__main__":
    sys.exit(main())
