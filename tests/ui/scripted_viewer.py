#!/usr/bin/env python3
"""The picture viewer of the real vistello, driven through VISTELLO_SCRIPT:
panorama scrolling by itself, by the scroll bar and by hand; under a virtual
X server of 800x600 the picture-only geometry and pixels, the panorama, zoom
and the auto show. Usage: scripted_viewer.py VISTELLO VISTELLO_CLI [--xvfb].
Exit 77 means skipped."""
import os
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def pictures(s, sizes, pattern="plasma:fractal"):
    """Replaces the folder's files by generated pictures {name: (w, h)}."""
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    for name, (w, h) in sizes.items():
        subprocess.run(["convert", "-size", "%dx%d" % (w, h), "-seed", "3", pattern,
                        os.path.join(s.samples, name)], check=True)


def settings(s, values):
    """A settings file for -x (read only) with the given ints and bools."""
    path = os.path.join(s.root, "settings%d.xml" % s.runs)
    lines = ['  <c Attr="%s" Type="%s">%s</c>' % (key, "bool" if isinstance(v, bool) else "int",
                                                 str(v).lower()) for key, v in values.items()]
    with open(path, "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<Document>\n <Settings>\n%s\n </Settings>\n</Document>\n'
                % "\n".join(lines))
    return ["-x", path]


def rgb(path, x, y):
    out = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "-depth", "8", "rgb:-"],
                         capture_output=True).stdout
    return tuple(out[:3])


def panorama_scrolling(s):
    # 4000x1000 in a 1000x700 picture-only view: 2800x700, 1800 to scroll.
    pictures(s, {"p.jpg": (4000, 1000), "q.jpg": (3999, 2000)}, "gradient:red-blue")
    st = s.run(["resize 1000 700", "wait-idle", "key F11", "wait-idle", "state",
                # A line step on the bar's right arrow and a drag by hand each stop the automatic scroll.
                "click 995 694", "state", "wait 300", "state",
                "drag 600 300 200 300", "state", "key Right", "state", "quit"], options=settings(s, {}))
    first, clicked, later, dragged, other = (x["viewer"] for x in st)
    check(first["mode"] == "panorama" and first["panoramaScrolling"]
          and first["panoramaBar"][:6] == [0, 688, 1000, 12, 1800, 1000], "bar along the bottom %s" % first)
    check(not clicked["panoramaScrolling"] and clicked["panoramaBar"][6] == -clicked["drawnRect"][0] > 0,
          "the arrow scrolls and stops the timer %s" % clicked)
    check(later["drawnRect"] == clicked["drawnRect"], "stopped stays %s %s" % (later["drawnRect"], clicked["drawnRect"]))
    check(dragged["drawnRect"][0] == later["drawnRect"][0] - 400 and dragged["panoramaBar"][6] == -dragged["drawnRect"][0],
          "the hand drags the picture %s" % dragged)
    check(other["mode"] == "normal" and other["panoramaBar"] == [], "3999x2000 is no panorama %s" % other)
    # Speed 10 scrolls 20 pixels a tick and stops at the end; the show waits for it.
    st = s.run(["resize 1000 700", "wait-idle", "key F11", "wait 6000", "state", "key F11", "key Ctrl+S",
                "wait 2500", "state", "wait 5000", "state", "quit"],
               options=settings(s, {"PanoramaAutoScrollSpeed": 10, "AutoShowDelay": 1}))
    end, waiting, shown = st
    check(end["viewer"]["drawnRect"][0] == -1800 and not end["viewer"]["panoramaScrolling"],
          "the automatic scroll stops at the end %s" % end["viewer"])
    check(waiting["autoShow"]["running"] and waiting["list"]["currentIndex"] == 0
          and waiting["viewer"]["panoramaScrolling"], "the show waits while it scrolls %s" % waiting["list"])
    check(shown["viewer"]["transitions"] > waiting["viewer"]["transitions"], "and goes on after the end")
    # A scroll by hand stops the automatic one and starts the show's delay again (the offscreen screen is 800x800).
    clicks = ["click 795 794", "wait 600"] * 5
    st = s.run(["wait-idle", "key Ctrl+S", "wait 300"] + clicks + ["state", "wait 2500", "state", "quit"],
               options=settings(s, {"AutoShowDelay": 1}))
    held, moved = st
    check(held["viewer"]["panoramaBar"][4:6] == [2400, 800] and not held["viewer"]["panoramaScrolling"]
          and held["list"]["currentIndex"] == 0, "scrolling keeps the show waiting %s" % held["viewer"])
    check(moved["viewer"]["transitions"] > held["viewer"]["transitions"], "then it goes on %s" % moved["list"])


def picture_only_800x600(s):
    pictures(s, {"a.jpg": (640, 480), "b.jpg": (3000, 2000)})
    a, b = (os.path.join(s.samples, n) for n in ("a.jpg", "b.jpg"))
    shots = [os.path.join(s.root, "shot%d.png" % i) for i in range(2)]
    st = s.run(["wait-idle", "state", "shot " + shots[0], "key Right", "wait-idle", "state", "shot " + shots[1],
                "quit"], options=["-v", "3", "-c", "2", "10", "20", "30", "-c", "3", "200", "0", "0"]
               + settings(s, {"ExifInfoInPicture": 0, "ControlButtonsInFullscreen": True, "Transitions": False}))
    check(st[0]["viewer"]["viewRect"] == [0, 0, 800, 600] and st[0]["viewer"]["drawnRect"] == [80, 60, 640, 480],
          "640x480 at (80, 60) %s" % st[0]["viewer"])
    check(st[1]["viewer"]["drawnRect"] == [0, 33, 800, 533], "3000x2000 at 800x533 from y 33 %s" % st[1]["viewer"])
    references = []
    for path in (a, b):
        references.append(os.path.join(s.root, os.path.basename(path) + ".png"))
        subprocess.run([sw.CLI, "decode", "--box", "800x600", path, "-o", references[-1]], check=True,
                       stdout=subprocess.DEVNULL)
    check(rgb(shots[0], 40, 300) == (10, 20, 30) and rgb(shots[0], 79, 60) == (10, 20, 30),
          "full-screen background around the picture %s" % (rgb(shots[0], 40, 300),))
    for x, y in ((0, 0), (639, 479), (320, 240)):
        check(rgb(shots[0], 80 + x, 60 + y) == rgb(references[0], x, y), "640x480 probe %d,%d" % (x, y))
    for x, y in ((400, 266), (700, 100), (100, 400), (799, 500)):
        check(rgb(shots[1], x, 33 + y) == rgb(references[1], x, y), "3000x2000 probe %d,%d: %s != %s"
              % (x, y, rgb(shots[1], x, 33 + y), rgb(references[1], x, y)))
    # The button row sits on a strip lightened by 100 per byte; separators in the text colour.
    for x, y in ((505, 556), (799, 560), (601, 557)):
        expected = tuple(min(c + 100, 255) for c in rgb(references[1], x, y - 33))
        check(rgb(shots[1], x, y) == expected, "light strip at %d,%d: %s != %s" % (x, y, rgb(shots[1], x, y), expected))
    check(rgb(shots[1], 700, 577) == (110, 120, 130), "light strip below the picture %s" % (rgb(shots[1], 700, 577),))
    check(rgb(shots[1], 775, 560) == (200, 0, 0), "separator at x 775: %s" % (rgb(shots[1], 775, 560),))


def zoom_and_panorama_800x600(s):
    pictures(s, {"c.jpg": (1600, 1200), "p.jpg": (4000, 1000), "q.jpg": (3999, 2000)})
    st = s.run(["wait-idle", "key Ctrl+Z", "state"] + ["wheel 400 300 1"] * 4 + ["state", "key Ctrl+Z", "key Right",
                "wait-idle", "state", "wait 5000", "state", "key Right", "state", "quit"],
               options=["-v", "3"] + settings(s, {"PanoramaAutoScrollSpeed": 10}))
    zoom1, zoom5, pano, end, other = (x["viewer"] for x in st)
    check(zoom1["zoomLabel"] == " 100% " and zoom1["navigator"] == [133, 100], "zoom at 100 %% %s" % zoom1)
    zoom_in = [b for b in zoom5["buttons"] if b[0] == 40082]
    check(zoom5["zoomLabel"] == " 200% " and zoom_in and not zoom_in[0][3], "zoom at 200 %% %s" % zoom5)
    check(pano["mode"] == "panorama" and pano["drawnRect"][2:] == [2400, 600]
          and pano["panoramaBar"][:6] == [0, 588, 800, 12, 1600, 800], "4000x1000 is a panorama %s" % pano)
    check(end["drawnRect"][0] == -1600 and not end["panoramaScrolling"], "scrolled to the end %s" % end)
    check(other["mode"] == "normal" and other["panoramaBar"] == [], "3999x2000 is not %s" % other)


def auto_show_800x600(s):
    pictures(s, {"a.jpg": (640, 480), "b.jpg": (1600, 1200), "c.jpg": (300, 200)})
    st = s.run(["wait-idle", "key Ctrl+S", "state", "wait 3500", "state", "key Ctrl+S", "state", "quit"],
               options=["-d", "1"])
    started, wrapped, stopped = st
    check(started["autoShow"]["running"] and started["window"]["fullScreen"], "the show runs %s" % started["window"])
    check(wrapped["list"]["currentIndex"] == 0 and wrapped["viewer"]["transitions"] - started["viewer"]["transitions"]
          == 3, "wrapped after three transitions %s %s" % (wrapped["list"], wrapped["viewer"]["transitions"]))
    check(not stopped["autoShow"]["running"] and not stopped["window"]["fullScreen"]
          and not stopped["window"]["pictureOnly"], "Ctrl+S restores the window %s" % stopped["window"])
    pictures(s, {"a.jpg": (640, 480)})
    check(not s.run(["wait-idle", "key Ctrl+S", "state", "quit"])[0]["autoShow"]["running"], "one picture: no show")


def turn_asks_first(s):
    # Turning the shown picture's file asks first: Cancel leaves the file as
    # it was, OK with "Make copy" ticked turns a new copy and shows it.
    pictures(s, {"a.jpg": (320, 240)})
    a = os.path.join(s.samples, "a.jpg")
    copy = os.path.join(s.samples, "Copy of a.jpg")
    before = open(a, "rb").read()
    cancelled, copied = s.run(["wait-idle", "answer cancel", "command 40020", "state",
                               "answer tick:Make copy", "answer ok", "command 40020", "wait-idle", "state", "quit"],
                              options=settings(s, {"TransformMakeCopy": False}))
    question = 'Change the picture "a.jpg"?'
    check(cancelled["messages"] == [question], "the question asked %s" % cancelled.get("messages"))
    check(open(a, "rb").read() == before, "Cancel and a copy leave a.jpg byte for byte")
    check(sorted(os.listdir(s.samples)) == ["Copy of a.jpg", "a.jpg"], "only the copy is new %s" % os.listdir(s.samples))
    expected = subprocess.run(["jpegtran", "-rotate", "90", "-trim", a], capture_output=True).stdout
    reference = os.path.join(s.root, "turned.jpg")
    open(reference, "wb").write(expected)
    check(len(expected) > 0 and sw.decoded(copy) == sw.decoded(reference), "the copy equals jpegtran -rotate 90")
    width, height = copied["viewer"]["drawnRect"][2:]
    check(copied["list"]["currentPath"] == copy and height > width,
          "the turned copy is shown %s %s" % (copied["list"], copied["viewer"]["drawnRect"]))


def main():
    scenarios = [picture_only_800x600, zoom_and_panorama_800x600, auto_show_800x600] if sw.XVFB \
        else [panorama_scrolling, turn_asks_first]
    return sw.run_scenarios(scenarios, ("convert", "jpegtran", "djpeg"), prepare=lambda session: setattr(session, "screen", "800x600x24"))


if __name__ == "__main__":
    sys.exit(main())
