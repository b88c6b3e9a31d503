#!/usr/bin/env python3
"""The preview strip and the overview page of the real vistello, driven
through VISTELLO_SCRIPT. Usage: scripted_pages.py VISTELLO VISTELLO_CLI [--xvfb].
Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def keep_pictures(s, count):
    """Leaves `count` generated pictures in the folder, and nothing else."""
    names = sorted(os.listdir(s.samples))
    pictures = [n for n in names if n.endswith(".jpg")][:count]
    for name in names:
        if name not in pictures:
            os.remove(os.path.join(s.samples, name))
    return pictures


def preview_strip_focus(s):
    keep_pictures(s, 10)
    # Without the folder view the page is the window's 820 pixels: the strip
    # inside its 10-pixel border is 800.
    st = s.run(["pane hide", "resize 820 700", "wait-idle", "state",
                "key Right", "key Right", "key Right", "state",
                "key Right", "key Right", "key Right", "state",
                "key Right", "state", "key Right", "key Right", "state",
                "key Right", "state", "key Left", "state",
                "key Return", "state", "quit"])
    strips = [x.get("preview", {}) for x in st]
    expected = [(0, 0), (3, 3), (6, 3), (7, 4), (9, 6), (0, 0), (9, 6), (9, 6)]
    check(strips[0].get("slots") == 7, "7 slots: %s" % strips[0])
    check([(p.get("focusIndex"), p.get("focusSlot")) for p in strips] == expected,
          "focus walk %s" % [(p.get("focusIndex"), p.get("focusSlot")) for p in strips])
    check(st[6]["list"]["currentIndex"] == 0, "keys only move the focus: %s" % st[6]["list"])
    check(st[7]["list"]["currentIndex"] == 9 and strips[7].get("label") == "10/10",
          "Enter shows the focused picture: %s %s" % (st[7]["list"], strips[7]))


def overview_tiles_and_marks(s):
    pictures = keep_pictures(s, 14)
    # Copies under other names make a folder of 140, and one unreadable file.
    for copy in range(1, 10):
        for name in pictures:
            shutil.copy(os.path.join(s.samples, name), os.path.join(s.samples, "c%d_%s" % (copy, name)))
    with open(os.path.join(s.samples, "zz_broken.jpg"), "wb") as f:
        f.write(b"\xff\xd8 not a picture")
    # The last picture is current: the overview scrolls to it. The first
    # item's check box sits on its frame's left side; the second item's tile
    # is double-clicked.
    lines = ["resize 1300 700", "key Left", "key Return", "command 40157", "state",
             "click 700 300", "key Home", "state", "click 210 124", "state"]
    lines += ["wait 500", "state"] * 20
    # Deleting the second picture keeps every other tile.
    lines += ["click 366 94", "answer yes", "key Del", "state"]
    lines += ["click 366 94 double", "state", "quit"]
    st = s.run(lines)
    first = st[0].get("overview", {})
    check(st[0]["window"]["displayStyle"] == 2 and first.get("items") == 141, "141 items at once: %s" % first)
    check(st[0]["list"]["currentIndex"] == 140 and first.get("currentVisible"), "current item in view: %s" % first)
    check(st[1]["list"]["currentIndex"] == 0 and st[1]["overview"]["currentVisible"], "Home: %s" % st[1])
    marked = st[2]["list"]["marked"]
    check(len(marked) == 1 and marked[0].endswith("/" + sorted(os.listdir(s.samples), key=str.lower)[0]),
          "check box marks the first picture: %s" % marked)
    done = [x.get("overview", {}).get("tilesDone") for x in st[3:-2]]
    check(done[-1] == 141, "every tile arrives, the broken one too: %s" % done)
    after = st[-2].get("overview", {})
    check(after.get("items") == 140 and after.get("tilesDone") == 140 and st[-2]["list"]["count"] == 140,
          "a deleted picture takes only its own tile: %s %s" % (after, st[-2]["list"]))
    last = st[-1]
    check(last["window"]["displayStyle"] == 1 and last["list"]["currentIndex"] == 1,
          "double click opens the picture: %s %s" % (last["window"], last["list"]))
    # The marks are stored when the program ends and read at the next start.
    again = s.run(["state", "quit"])[0]
    check(again["list"]["marked"] == marked, "marks come back: %s" % again["list"]["marked"])


def overview_of_a_thousand(s):
    pictures = keep_pictures(s, 14)
    for i in range(1000):
        os.link(os.path.join(s.samples, pictures[i % len(pictures)]), os.path.join(s.samples, "p%04d.jpg" % i))
    for name in pictures:
        os.remove(os.path.join(s.samples, name))
    # The overview opens at the last picture: its screenful is loaded first.
    lines = ["resize 1300 700", "key Left", "key Return", "command 40157", "state", "wait-tiles 90000", "state"]
    # Back at the top, the third item (row 0, column 2) is deleted.
    lines += ["click 700 300", "key Home", "state", "click 476 94", "answer yes", "key Del", "state", "quit"]
    st = s.run(lines)
    first = st[0]["overview"]
    check(first["items"] == 1000, "1000 items at once: %s" % first["items"])
    full = st[-2]["overview"]
    check(st[1]["overview"]["tilesDone"] == 1000 and full["tilesReceived"] == 1000, "every tile once: %s" % full)
    low, high = first["visible"]
    arrived = full["firstArrivals"]
    check(high == 999 and low > 900 and set(range(low, high + 1)) <= set(arrived[:high - low + 3]),
          "the first screenful first: visible %s, arrivals %s" % (first["visible"], arrived))
    after = st[-1]["overview"]
    check(after["items"] == 999 and st[-1]["list"]["count"] == 999, "999 left: %s" % after["items"])
    check(after["tileKeys"][2] == full["tileKeys"][3] and after["tilesReceived"] == 1000,
          "item 2 keeps the former item 3's tile, nothing decoded again: %s %s" % (full, after))


def overview_selection_is_the_working_set(s):
    pictures = sorted(keep_pictures(s, 10), key=str.lower)
    # Row 0 of the overview: item k's tile at x = 256 + 110 k. The current
    # item 0 comes selected: a Ctrl+click takes it out first.
    st = s.run(["resize 1300 700", "command 40157", "wait-tiles 30000", "click 256 94 ctrl",
                "click 366 94 ctrl", "click 696 94 ctrl", "click 1026 94 ctrl", "answer yes", "key Del", "state",
                "quit"])
    asked = st[0].get("messages", [])
    check(asked and "delete the 3 pictures" in asked[-1], "the question names 3 pictures: %s" % asked)
    gone = [n for n in pictures if not os.path.exists(os.path.join(s.samples, n))]
    check(gone == [pictures[1], pictures[4], pictures[7]], "exactly the three went: %s" % gone)
    trash = os.path.join(s.home, "data", "Trash", "files")
    check(sorted(os.listdir(trash)) == sorted(gone), "in the trash: %s" % os.listdir(trash))
    left = [n for n in pictures if n not in gone]
    # After Ctrl+A one plain click leaves one picture selected (the overview
    # comes back as the page shown last).
    st = s.run(["resize 1300 700", "wait-tiles 30000", "key Ctrl+A", "click 366 94",
                "answer yes", "key Del", "state", "quit"])
    check(st[0]["window"].get("displayStyle") == 2, "the overview again: %s" % st[0]["window"])
    asked = st[0].get("messages", [])
    check(asked and ('"%s"' % left[1]) in asked[-1], "the question names one picture: %s" % asked)
    now = [n for n in left if os.path.exists(os.path.join(s.samples, n))]
    check(now == left[:1] + left[2:], "only the clicked picture went: %s" % now)


def colour_pixels(shot, x, width, colour="rgb(49,106,197)"):
    """Pixels of one colour (the focus frame's blue) in a column of the window."""
    out = subprocess.run(["convert", shot, "-crop", "%dx300+%d+0" % (width, x), "+repage", "-fill", "black",
                          "+opaque", colour, "-fill", "white", "-opaque", colour,
                          "-format", "%[fx:round(mean*w*h)]", "info:"], capture_output=True, text=True).stdout
    return int(out.strip() or 0)


def shots_under_xvfb(s):
    strip, overview, sound = (os.path.join(s.root, name) for name in ("strip.png", "overview.png", "sound.png"))
    # The first picture has a sound file beside it: the green loudspeaker.
    s.run(["resize 1020 700", "shot " + sound, "quit"])
    green = [colour_pixels(sound, 200 + 13 + 107 * k - 4, 107, "rgb(66,145,119)") for k in range(3)]
    check(green[0] > 10 and green[1:] == [0, 0], "loudspeaker on the first slot only: %s" % green)
    keep_pictures(s, 10)
    s.run(["resize 1020 700", "key Right", "key Right", "key Right", "shot " + strip, "quit"])
    # Slot k of the strip starts at the pane (200), the border (10) and the margin (3).
    frame = [colour_pixels(strip, 200 + 13 + 107 * k - 4, 107) for k in range(7)]
    check(frame[3] > 300 and frame[:3] + frame[4:] == [0] * 6, "focus frame around slot 3 only: %s" % frame)
    # The eleventh item (second row of seven, fourth column) is an unreadable
    # file: the broken tile's red cross.
    with open(os.path.join(s.samples, "zz_broken.jpg"), "wb") as f:
        f.write(b"\xff\xd8 not a picture")
    s.run(["resize 1020 700", "command 40157", "wait 2000", "shot " + overview, "quit"])
    red = [colour_pixels(overview, 200 + 110 * column, 110, "rgb(255,0,0)") for column in range(7)]
    check(red[3] > 50 and red[:3] + red[4:] == [0] * 6, "the broken tile, fourth column only: %s" % red)


def strip_of_three_under_xvfb(s):
    keep_pictures(s, 3)
    shot = os.path.join(s.root, "three.png")
    # Beside the 200-pixel folder view the strip is 800 pixels: seven slots, three pictures.
    st = s.run(["resize 1020 700", "key Right", "key Right", "state", "shot " + shot, "quit"])
    strip = st[0].get("preview", {})
    check(strip.get("slots") == 3 and strip.get("focusIndex") == 2 and strip.get("focusSlot") == 2,
          "focus on the third slot: %s" % strip)
    frame = [colour_pixels(shot, 200 + 13 + 107 * k - 4, 107) for k in range(7)]
    check(frame[2] > 300 and frame[:2] + frame[3:] == [0] * 6, "focus frame around slot 2 only: %s" % frame)


def main():
    if sw.XVFB:
        scenarios = [shots_under_xvfb, strip_of_three_under_xvfb]
    else:
        scenarios = [preview_strip_focus, overview_tiles_and_marks, overview_of_a_thousand,
                     overview_selection_is_the_working_set]
    return sw.run_scenarios(scenarios, ("convert", "exiftool"))


if __name__ == "__main__":
    sys.exit(main())
