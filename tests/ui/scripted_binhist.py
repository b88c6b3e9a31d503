#!/usr/bin/env python3
"""The Binary and Histogram tabs of the real vistello, driven through
VISTELLO_SCRIPT. Usage: scripted_binhist.py VISTELLO VISTELLO_CLI [--xvfb].
Exit 77 means skipped."""
import os
import resource
import subprocess
import sys
import time

import scripted_window as sw
from scripted_window import check

BINARY, HISTOGRAM = "16", "32"


def opening_state(s):
    """The state at the first start: the picture tab at 1000 x 700."""
    return s.run(["resize 1000 700", "state", "quit"])[0]


def tab_click(state, style):
    x, y, w, h = state["pictureTabs"][style]
    return "click %d %d" % (x + w // 2, y + h // 2)


def tab_centre(s, style):
    """Where to click a picture-page tab."""
    return tab_click(opening_state(s), style)[len("click "):]


def own_folder(s, name):
    """Makes the session show a folder of its own, empty so far."""
    s.samples = os.path.join(s.root, name)
    os.makedirs(s.samples)
    return s.samples


def xxd_fields(path, offset, width):
    """xxd's address and byte columns of the line at offset."""
    line = subprocess.run(["xxd", "-g1", "-c%d" % width, "-s%d" % offset, "-l%d" % width, path],
                          capture_output=True, text=True).stdout
    address, rest = line.split(":", 1)
    return int(address, 16), rest[:3 * width].split()


def shown_fields(binary, base=16):
    """The address and byte columns of the first shown line."""
    fields = binary["firstLine"].split()
    return int(fields[0], base), fields[1:1 + binary["bytesPerLine"]]


def binary_lines_against_xxd(s):
    opening = opening_state(s)
    tab = tab_click(opening, BINARY)[len("click "):]
    st = s.run(["resize 1000 700", "click " + tab, "state", "key End", "state", "key Home", "wheel 500 300 -2", "state",
                # One click on the digits: decimal bytes; one on the addresses: decimal addresses.
                "click 500 300", "click 205 300", "state", "quit"])
    first, end, wheeled, clicked = (x["binary"] for x in st)
    path, width = first["path"], first["bytesPerLine"]
    check(st[0]["window"]["displayStyle"] == 16 and width > 1, "binary tab with several bytes a line: %s" % first)
    check(shown_fields(first) == xxd_fields(path, 0, width), "first line as xxd: %s" % first["firstLine"])
    check(first["firstLineMarked"][:2] == [True, True], "FF D8 marked: %s" % first["firstLineMarked"][:4])
    size, top, lines = os.path.getsize(path), int(end["topOffset"]), end["visibleLines"]
    check(top % width == 0 and top + (lines - 1) * width < size <= top + lines * width,
          "End shows the last line last: top %d, %d lines of %d, size %d" % (top, lines, width, size))
    check(shown_fields(end) == xxd_fields(path, top, width), "line at End as xxd: %s" % end["firstLine"])
    top = int(wheeled["topOffset"])
    check(0 < top < size and top % width == 0 and shown_fields(wheeled) == xxd_fields(path, top, width),
          "wheel scrolls by lines: %s" % wheeled["firstLine"][:60])
    address, digits = shown_fields(clicked, 10)
    top = int(clicked["topOffset"])
    check(clicked["digits"] == 3 and clicked["decimalAddress"] and address == top
          and digits == ["%03d" % int(b, 16) for b in xxd_fields(path, top, clicked["bytesPerLine"])[1]],
          "decimal bytes and addresses: %s" % clicked["firstLine"][:60])
    # The options are stored and come back at the next start. A picture
    # turned on the picture tab is a new file: the tab shows its bytes.
    before = os.path.getsize(path)
    viewer = opening["viewer"]
    rotate = [b for b in viewer["buttons"] if b[0] == 40020][0]
    turn = "click %d %d" % (viewer["viewRect"][0] + rotate[1] + 9, viewer["viewRect"][1] + rotate[2] + 9)
    again, turned = (x["binary"] for x in s.run(["resize 1000 700", "click " + tab, "state", tab_click(opening, "1"),
                                                "wait-idle", "answer untick:Make copy", turn, "click " + tab, "state", "quit"]))
    check(again["digits"] == 3 and again["decimalAddress"], "options kept: %s" % again)
    check(os.path.getsize(path) != before and turned["fileSize"] == str(os.path.getsize(path)),
          "turned picture read again: %s bytes shown, %d -> %d on disk" % (turned["fileSize"], before,
                                                                         os.path.getsize(path)))


def huge_sparse_file_opens_at_once(s):
    tab = tab_centre(s, BINARY)
    path = os.path.join(own_folder(s, "huge"), "huge.jpg")
    size = 3 * 1024 ** 3
    with open(path, "wb") as f:
        f.truncate(size)
        f.seek(size - 2)
        f.write(b"\xff\xd9")
    started = time.monotonic()
    st = s.run(["resize 1000 700", "click " + tab, "state", "key End", "state", "quit"])
    seconds = time.monotonic() - started
    peak_mb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024
    opened, end = st[0]["binary"], st[1]["binary"]
    width = end["bytesPerLine"]
    check(opened["fileSize"] == str(size) and opened["barMaximum"] > 0, "3 GB file opened: %s" % opened)
    check(int(end["topOffset"]) + end["visibleLines"] * width >= size > int(end["topOffset"]),
          "End reaches the last bytes: %s" % end["topOffset"])
    check(shown_fields(end) == xxd_fields(path, int(end["topOffset"]), width), "last page as xxd")
    check(seconds < 60 and peak_mb < 1024, "no whole-file read: %.1f s, peak %d MB" % (seconds, peak_mb))


def histogram_clicks_and_red(s):
    tab = tab_centre(s, HISTOGRAM)
    folder = own_folder(s, "red")
    subprocess.run(["convert", "-size", "64x48", "xc:red", os.path.join(folder, "red.jpg")], check=True)
    lines = ["resize 1000 700", "click " + tab, "wait 1000", "state"]
    lines += ["click 600 400", "state"] * 5
    st = s.run(lines + ["quit"])
    h = [x["histogram"] for x in st]
    # Pure red: 0.299 x 255 / 2.55 = 29.9, truncated (the JPEG's 254 gives 29.78).
    check(h[0]["averageGrey"] == 29 and h[0]["averageText"] == "Average grey value: 29%", "red picture: %s" % h[0])
    check([x["mode"] for x in h] == [0, 1, 2, 3, 4, 0], "five clicks return to mode 0: %s" % [x["mode"] for x in h])


def colour_count(shot, rect, colour, fuzz=0):
    """Pixels of a colour (within fuzz percent: text is antialiased) in a rectangle of the shot."""
    x, y, w, h = rect
    out = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-fuzz", "%d%%" % fuzz,
                          "-fill", "black",
                          "+opaque", colour, "-fill", "white", "-opaque", colour,
                          "-format", "%[fx:round(mean*w*h)]", "info:"], capture_output=True, text=True).stdout
    return int(out.strip() or 0)


def marker_drawn_highlighted(s):
    tab = tab_centre(s, BINARY)
    shot = os.path.join(s.root, "binary.png")
    binary = s.run(["resize 1000 700", "click " + tab, "shot " + shot, "state", "quit"])[0]["binary"]
    rects = binary["firstLineByteRects"]
    counts = [(colour_count(shot, rects[i], "rgb(255,0,0)", 15), colour_count(shot, rects[i], "rgb(192,192,192)"))
              for i in (0, 1, 4)]
    check(all(red > 0 and grey > 0 for red, grey in counts[:2]) and counts[2] == (0, 0),
          "FF D8 red on grey, the length byte not: %s" % counts)


def main():
    scenarios = ([marker_drawn_highlighted] if sw.XVFB else
                 [binary_lines_against_xxd, huge_sparse_file_opens_at_once, histogram_clicks_and_red])
    return sw.run_scenarios(scenarios, ("convert", "xxd"))


if __name__ == "__main__":
    sys.exit(main())
