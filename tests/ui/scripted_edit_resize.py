#!/usr/bin/env python3
"""The "Resize picture(s)" and "Convert picture format" pages on the real
window, each compared byte for byte with vistello-cli resize / convert /
jpeg-write run on copies of the same pictures.
Usage: scripted_edit_resize.py VISTELLO VISTELLO_CLI [--xvfb]. Exit 77 means skipped."""
import filecmp
import glob
import os
import re
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check

PAIR = ["IMG_0001.jpg", "IMG_0002.jpg"]


def copies_of(s, names, folder):
    """Copies of the named pictures (dates kept) in a new folder beside the samples."""
    target = os.path.join(s.root, folder)
    os.makedirs(target)
    for name in names:
        shutil.copy2(os.path.join(s.samples, name), target)
    return target


def cli(*args):
    return subprocess.run([sw.CLI] + [str(a) for a in args], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          text=True)


def settings_file(s):
    found = glob.glob(os.path.join(s.home, "**", "vistello_LE.xml"), recursive=True)
    check(len(found) == 1, "one settings file under the home folder %s" % found)
    return found[0] if found else ""


def same(a, b, what):
    check(os.path.exists(a) and os.path.exists(b) and filecmp.cmp(a, b, shallow=False),
          "%s: %s and %s are byte-identical" % (what, a, b))


def resize_page(s):
    oracle = copies_of(s, PAIR, "oracle")
    untouched = copies_of(s, PAIR, "untouched")
    st = s.run(["resize 1000 800", "wait-idle", "select 0,1", "key Ctrl+R", "state", "key Ctrl+R", "state",
                "key Ctrl+R", "fill #1=640", "fill #2=480", "fill Luminance:=90", "fill Chrominance:=90",
                "tick Make copy on", "button Change", "state", "wait-jobs 60000", "state", "quit"])
    opened, closed, started, done = st
    page = opened["taskPane"]["page"]
    check(page and page["mode"] == 1 and page["heading"] == "Resize picture(s)"
          and page["status"] == "2 pictures selected", "Ctrl+R opens the page %s" % page)
    check(closed["taskPane"]["page"] is None, "Ctrl+R again closes it %s" % closed["taskPane"])
    check(started["taskPane"]["page"] is None, "Change closes the page %s" % started["taskPane"])
    finished = done["jobsFinished"]
    check(len(finished) == 1 and finished[0]["kind"] == 2, "one resize job %s" % finished)
    written = sorted(os.path.basename(p) for p in finished[0]["written"]) if finished else []
    check(written == ["Copy of " + n for n in PAIR], "two copies written %s" % written)
    printed = cli("resize", "--box", "640x480", "--quality", "90,90", "--copy", *[os.path.join(oracle, n) for n in PAIR])
    check(printed.returncode == 0, "the command line resized: %s" % printed.stderr)
    for name in PAIR:
        same(os.path.join(s.samples, "Copy of " + name), os.path.join(oracle, "Copy of " + name), "resized " + name)
        same(os.path.join(s.samples, name), os.path.join(untouched, name), "with Make copy the picture stays")
    # Values typed before "Cancel" are kept as well.
    s.run(["wait-idle", "select 0", "key Ctrl+R", "fill #1=800", "fill #2=600", "button Cancel", "quit"])
    stored = open(settings_file(s), encoding="utf-8-sig").read()
    record = re.search(r'Attr="Resize" Type="string">([^<]*)<', stored)
    check(record and ";800;600;" in record.group(1), "Cancel stored the typed box: %s" % (record and record.group(1)))
    check('Attr="ResizeMakeCopy" Type="bool">true<' in stored, "Make copy stored")


def resize_limit_not_met(s):
    oracle = copies_of(s, ["IMG_0003.jpg"], "oracle")
    # Size and limit: the quality is searched; no JPEG of 640x480 with its
    # EXIF block fits in 1 KB.
    st = s.run(["wait-idle", "select 2", "task Resize", "tick File size: on", "fill #8=1",
                "tick Make copy on", "button Change", "wait-jobs 60000", "state", "quit"])
    done = st[-1]
    messages = done.get("messages", [])
    check(any("1 KB" in m and "Copy of IMG_0003.jpg" in m for m in messages),
          "the window names the picture above its limit %s" % messages)
    printed = cli("resize", "--box", "640x480", "--max-kb", "1", "--copy", os.path.join(oracle, "IMG_0003.jpg"))
    check(printed.returncode == 1 and "1 KB" in printed.stderr, "the command line reports it too: %s" % printed.stderr)
    same(os.path.join(s.samples, "Copy of IMG_0003.jpg"), os.path.join(oracle, "Copy of IMG_0003.jpg"),
         "the smallest trial")


def convert_page(s):
    oracle = copies_of(s, PAIR, "oracle")
    st = s.run(["wait-idle", "select 0,1", "key Ctrl+F", "state", "fill Choose the target format:=.bmp",
                "button Convert", "wait-jobs 60000", "state", "key Ctrl+F", "key Ctrl+F", "state", "quit"])
    opened, done, toggled = st
    page = opened["taskPane"]["page"]
    check(page and page["heading"] == "Convert picture format" and page["status"] == "2 pictures selected",
          "Ctrl+F opens the page %s" % page)
    check(toggled["taskPane"]["page"] is None, "Ctrl+F twice closes it %s" % toggled["taskPane"])
    finished = done["jobsFinished"]
    check(len(finished) == 1 and finished[0]["kind"] == 5, "one conversion job %s" % finished)
    printed = cli("convert", "--to", ".bmp", *[os.path.join(oracle, n) for n in PAIR])
    check(printed.returncode == 0, "the command line converted: %s" % printed.stderr)
    bitmaps = [n.replace(".jpg", ".bmp") for n in PAIR]
    for name in bitmaps:
        same(os.path.join(s.samples, name), os.path.join(oracle, name), "to BMP")

    # To JPEG at the qualities set in the format's dialog, from camera
    # thumbnails (read, but another format than JPEG's).
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    thumbs = ["a.thm", "b.thm"]
    for name, pattern, size in (("a", "gradient:red-blue", "400x300"), ("b", "pattern:checkerboard", "200x150")):
        made = os.path.join(s.root, name + ".jpg")
        subprocess.run(["convert", "-size", size, pattern, made], check=True)
        shutil.move(made, os.path.join(s.samples, name + ".thm"))
    thm_oracle = copies_of(s, thumbs, "thm_oracle")
    written = copies_of(s, thumbs, "written")
    st = s.run(["wait-idle", "select all", "key Ctrl+F", "fill Choose the target format:=.jpg",
                "button Format settings...", "fill Luminance:=75", "fill Chrominance:=40", "button OK",
                "button Convert", "wait-jobs 60000", "state", "quit"])
    finished = st[0]["jobsFinished"]
    jpegs = sorted(os.path.basename(p) for p in finished[0]["written"]) if finished else []
    check(jpegs == ["a.jpg", "b.jpg"], "two JPEGs written %s" % jpegs)
    stored = open(settings_file(s), encoding="utf-8-sig").read()
    check("75,40" in stored, "the dialog stored the qualities")
    # Conversion writes at 90,90 whatever the option string says; the
    # string is what a write with automatic qualities takes.
    printed = cli("convert", "--to", ".jpg", "-x", settings_file(s), *[os.path.join(thm_oracle, n) for n in thumbs])
    check(printed.returncode == 0, "the command line converted: %s" % printed.stderr)
    for name in ("a.jpg", "b.jpg"):
        same(os.path.join(s.samples, name), os.path.join(thm_oracle, name), "to JPEG")
        out = os.path.join(written, name)
        printed = cli("jpeg-write", "-q", "90,90", os.path.join(written, name.replace(".jpg", ".thm")), out)
        check(printed.returncode == 0 and "90,90" in printed.stdout, "jpeg-write wrote %s" % printed.stdout)
        same(os.path.join(s.samples, name), out, "as jpeg-write -q 90,90")
    automatic = cli("resize", "--box", "100x100", "-x", settings_file(s), os.path.join(written, "a.jpg"))
    check(automatic.returncode == 0 and automatic.stdout.strip().endswith("75,40"),
          "a write with automatic qualities takes the dialog's 75,40: %s" % automatic.stdout)
    by_hand = os.path.join(written, "a75.jpg")
    cli("jpeg-write", "-q", "75,40", os.path.join(written, "a.thm"), by_hand)
    check(filecmp.cmp(os.path.join(s.samples, "a.jpg"), by_hand, shallow=False) is False,
          "75,40 would have written another file")


def viewer_format_settings(s):
    """The viewer's context menu offers a JPEG's "Format settings...": the same dialog."""
    s.run(["wait-idle", "menu Format settings...", "click 400 300 right", "fill Luminance:=60",
           "fill Chrominance:=30", "button OK", "wait-idle", "quit"], options=["-v", "3"])
    stored = open(settings_file(s), encoding="utf-8-sig").read()
    check('Attr="Jpeg_property" Type="string">60,30<' in stored, "the viewer's dialog stored 60,30")


def main():
    return sw.run_scenarios([resize_page, resize_limit_not_met, convert_page, viewer_format_settings], ("convert",))


if __name__ == "__main__":
    sys.exit(main())
