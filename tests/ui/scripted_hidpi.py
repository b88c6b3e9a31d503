#!/usr/bin/env python3
"""Sharp pictures on a scaled screen: under a virtual X server with
QT_SCALE_FACTOR=2 the viewer and the preview strip draw their pictures in
device pixels. A picture of 1-pixel black and white stripes must show as
alternating device pixels in the screenshot, not as grey.
Usage: scripted_hidpi.py VISTELLO VISTELLO_CLI --xvfb. Exit 77 means skipped."""
import os
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def stripes_jpeg(path, width, height):
    """Vertical 1-pixel stripes, black first, as a grey JPEG at quality 100
    (its only loss is a little ringing)."""
    pgm = path + ".pgm"
    row = bytes(0 if x % 2 == 0 else 255 for x in range(width))
    with open(pgm, "wb") as f:
        f.write(b"P5 %d %d 255\n" % (width, height) + row * height)
    subprocess.run(["convert", pgm, "-quality", "100", path], check=True)
    os.remove(pgm)


def grey_rows(shot):
    """The screenshot's size and its grey values, row by row."""
    size = subprocess.run(["identify", "-format", "%w %h", shot], capture_output=True, text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    data = subprocess.run(["convert", shot, "-colorspace", "gray", "-depth", "8", "gray:-"],
                          capture_output=True).stdout
    return width, height, [data[y * width:(y + 1) * width] for y in range(height)]


def longest_alternation(row):
    """The longest run of pixels alternating between dark and light, one by one."""
    best = run = 0
    for x in range(1, len(row)):
        a, b = row[x - 1], row[x]
        alternates = (a < 64 and b > 192) or (a > 192 and b < 64)
        run = run + 1 if alternates else 0
        best = max(best, run + 1 if run else 0)
    return best


def only(s, pictures):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    for name, (w, h) in pictures.items():
        stripes_jpeg(os.path.join(s.samples, name), w, h)


def viewer_stripes_at_scale_2(s):
    only(s, {"stripes.jpg": (1600, 1200)})
    shot = os.path.join(s.root, "viewer.png")
    st = s.run(["resize 800 600", "wait-idle", "key F11", "wait-idle", "state", "shot " + shot, "quit"])
    viewer = st[0]["viewer"]
    check(viewer.get("devicePixelRatio") == 2, "device pixel ratio in the state %s" % viewer.get("devicePixelRatio"))
    check(viewer["viewRect"] == [0, 0, 800, 600] and viewer["drawnRect"] == [0, 0, 800, 600],
          "the frame stays in logical pixels %s" % viewer)
    check(viewer.get("renderedSize") == [1600, 1200], "decoded for the device pixels %s" % viewer.get("renderedSize"))
    width, height, rows = grey_rows(shot)
    check((width, height) == (1600, 1200), "a screenshot of device pixels %dx%d" % (width, height))
    for y in (400, 600, 1000):  # clear of the information box and the text line
        run = longest_alternation(rows[y][200:1400])
        check(run == 1200, "row %d alternates black and white for %d of 1200 device pixels" % (y, run))


def strip_stripes_at_scale_2(s):
    # The strip's 99x66 thumbnail of a 198x132 picture: every device pixel of
    # it (the mark box covers a corner).
    only(s, {"a.jpg": (198, 132), "b.jpg": (1600, 1200)})
    shot = os.path.join(s.root, "strip.png")
    s.run(["resize 1000 700", "wait-idle", "state", "shot " + shot, "quit"])
    width, height, rows = grey_rows(shot)
    runs = [longest_alternation(row) for row in rows]
    full = [y for y, run in enumerate(runs) if run >= 198]
    lines = [y for y, run in enumerate(runs) if run >= 150]
    check(len(full) >= 100 and len(lines) >= 130,
          "the strip's thumbnail: %d device rows of 198 alternating pixels, %d of 150" % (len(full), len(lines)))


def main():
    if not sw.XVFB:
        print("runs under a virtual X server only (--xvfb)")
        return 77
    os.environ["QT_SCALE_FACTOR"] = "2"
    return sw.run_scenarios([viewer_stripes_at_scale_2, strip_stripes_at_scale_2], ("convert", "identify"),
                            prepare=lambda session: setattr(session, "screen", "2560x1600x24"))


if __name__ == "__main__":
    sys.exit(main())
