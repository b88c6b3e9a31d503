#!/usr/bin/env python3
"""Drives the real vistello through VISTELLO_SCRIPT and checks the state it
reports. Usage: scripted_window.py VISTELLO VISTELLO_CLI [--xvfb].
Each run gets a fresh home folder; exit 77 means skipped."""
import json
import os
import shutil
import subprocess
import sys
import tempfile

VISTELLO, CLI = sys.argv[1], sys.argv[2]
XVFB = "--xvfb" in sys.argv
# Under CI a missing tool or sample fails instead of skipping.
UNDER_CI = os.environ.get("CI", "").lower() == "true"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


class Session:
    def __init__(self, root):
        self.root = root
        self.home = os.path.join(root, "home")
        self.samples = os.path.join(root, "samples")
        os.makedirs(self.home)
        subprocess.run([CLI, "make-samples", self.samples], check=True, stdout=subprocess.DEVNULL)
        self.runs = 0
        self.screen = "1280x1024x24"  # of the virtual X server

    def run(self, lines, expect_status=0, options=()):
        """Runs the lines (vistello gets the options before the folder);
        returns the states they wrote, in order."""
        self.runs += 1
        states, script = [], []
        for line in lines:
            if line == "state":
                path = os.path.join(self.root, "state%d_%d.json" % (self.runs, len(states)))
                states.append(path)
                line = "state " + path
            script.append(line)
        script_path = os.path.join(self.root, "script%d.txt" % self.runs)
        with open(script_path, "w") as f:
            f.write("\n".join(script) + "\n")
        env = dict(os.environ, HOME=self.home, VISTELLO_SCRIPT=script_path, XDG_DATA_HOME=self.home + "/data",
                   XDG_CACHE_HOME=self.home + "/cache", TZ="UTC")
        command = [VISTELLO] + list(options) + [self.samples]
        if XVFB:
            command = ["xvfb-run", "-a", "-s", "-screen 0 " + self.screen] + command
        env["QT_QPA_PLATFORM"] = "xcb" if XVFB else "offscreen"
        if XVFB:
            # libxkbcommon-x11 hands strndup keymap names without a terminator,
            # which the strict string check reports; our own code is checked
            # by every other run.
            env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "").replace("strict_string_checks=1", "strict_string_checks=0")
        done = subprocess.run(command, env=env, stderr=subprocess.PIPE, text=True, timeout=120)
        check(done.returncode == expect_status, "exit status %d, stderr: %s" % (done.returncode, done.stderr[-6000:]))
        self.stderr = done.stderr
        return [json.load(open(p)) if os.path.exists(p) else {"window": {}, "list": {}} for p in states]


def styles_keys_and_frames(s):
    st = s.run(["resize 1000 700", "wait-idle", "state",
                "key F10", "state", "key F10", "state",
                "key F11", "state", "key F11", "state",
                # Esc steps back: the picture-data tab first, then picture-only mode.
                "key F10", "key F11", "key Esc", "state", "key Esc", "state",
                "key Alt+Enter", "state", "command 40028", "state",
                "drag 198 300 50 300", "state",
                # A focused text field keeps Del, Ctrl+A and Enter; F10 and Esc still act.
                "click 150 11", "answer yes", "key Del", "key Return", "state", "key F10", "state", "key Esc", "state",
                # A double click in the viewer toggles picture-only mode; F1 toggles the information page.
                "key F10", "click 600 400 double", "state", "click 600 400 double", "key F1", "state", "key F1", "state",
                "quit"])
    w = [x["window"] for x in st]
    check(w[0]["displayStyle"] == 1 and w[0]["centralRect"] == [200, 23, 800, 677], "start layout %s" % w[0])
    check(w[1]["displayStyle"] == 8 and w[2]["displayStyle"] == 1, "F10 twice")
    check(w[3]["pictureOnly"] and w[3]["centralRect"] == [0, 0] + w[3]["clientSize"], "F11 fills %s" % w[3])
    check(not w[4]["pictureOnly"] and w[4]["centralRect"] == w[0]["centralRect"], "F11 again")
    check(w[5]["displayStyle"] == 1 and w[5]["pictureOnly"], "first Esc leaves the tab %s" % w[5])
    check(not w[6]["pictureOnly"], "second Esc leaves picture-only mode")
    check(w[7]["fullScreen"] and w[7]["frameRect"] == w[7]["screenRect"], "Alt+Enter covers the screen %s" % w[7])
    check(not w[8]["fullScreen"] and w[8]["clientSize"] == [1000, 700], "normal frame back %s" % w[8])
    check(w[9]["paneWidth"] == 183 and w[9]["centralRect"][0] == 183, "splitter stops at 180 + 3: %s" % w[9])
    check(w[10]["focus"] == "address" and st[10]["list"]["count"] == st[0]["list"]["count"],
          "Del stays in the address box %s" % w[10])
    check(w[11]["displayStyle"] == 8, "F10 from the address box")
    check(w[12]["focus"] == "mainWindow" and w[12]["displayStyle"] == 8, "Esc ends the address edit %s" % w[12])
    check(w[13]["pictureOnly"], "double click enters picture-only mode")
    check(not w[14]["pictureOnly"] and w[14]["displayStyle"] == 0x10000, "information page %s" % w[14])
    check(w[15]["displayStyle"] == 1, "F1 again returns to the picture")


def state_survives_restart(s):
    left = s.run(["resize 900 650", "key F10", "drag 198 300 400 300", "key Alt+Enter", "state", "quit"])[0]
    back = s.run(["wait-idle", "state", "command 40028", "state", "quit"])
    for w in (left["window"], back[0]["window"]):
        w.pop("focus")
    check(back[0]["window"] == left["window"], "restart: %s != %s" % (back[0]["window"], left["window"]))
    normal = back[1]["window"]
    check(normal["clientSize"] == [900, 650] and normal["paneWidth"] == 403 and normal["displayStyle"] == 8,
          "normal frame after restart %s" % normal)


def delete_and_file_dates(s):
    first = os.path.join(s.samples, "IMG_0001.jpg")
    shutil.copy(first, first + ".original")
    second, third = (os.path.join(s.samples, "IMG_000%d.jpg" % n) for n in (2, 3))
    shutil.copy(third, second + ".original")
    subprocess.run(["convert", "-size", "16x16", "xc:red", os.path.join(s.samples, "plain.jpg")], check=True)
    jpegs = sorted(f for f in os.listdir(s.samples) if f.endswith(".jpg"))
    for name in jpegs:
        os.utime(os.path.join(s.samples, name), (1000000000, 1000000000))
    st = s.run(["state", "answer yes", "key Del", "state", "command 40347",
                "key Ctrl+A", "answer yes", "key Ctrl+X", "quit"])
    check(open(second, "rb").read() == open(third, "rb").read(), "the neighbour's original restored")
    before, after = st[0]["list"], st[1]["list"]
    check(after["count"] == before["count"] - 1 and after["currentPath"].endswith("/IMG_0002.jpg"),
          "the list closes the gap: %s" % after)
    trash = os.path.join(s.home, "data", "Trash")
    for name in ("IMG_0001.jpg", "IMG_0001.jpg.original", "IMG_0001.wav"):
        check(os.path.exists(os.path.join(trash, "files", name))
              and os.path.exists(os.path.join(trash, "info", name + ".trashinfo")), name + " in the trash")
        check(not os.path.exists(os.path.join(s.samples, name)), name + " gone from the folder")
    for name in jpegs[1:]:
        path = os.path.join(s.samples, name)
        taken = subprocess.run(["exiftool", "-s3", "-DateTimeOriginal", "-d", "%s", path], capture_output=True,
                               text=True, env=dict(os.environ, TZ="UTC")).stdout.strip()
        expected = int(taken) if taken else 1000000000
        check(int(os.path.getmtime(path)) == expected, "%s modified at its EXIF date %s" % (name, taken or "(none)"))


def bad_line_stops(s):
    s.run(["key F10", "click 1 2 triple"], expect_status=2)
    check("line 2" in s.stderr, "bad line named: " + s.stderr[-200:])


def geometry_under_xvfb(s):
    shot = os.path.join(s.root, "window.png")
    w = s.run(["resize 1000 700", "wait-idle", "state", "shot " + shot, "key Alt+Enter", "state", "quit"])
    check(w[1]["window"]["frameRect"] == [0, 0, 1280, 1024], "full screen frame %s" % w[1]["window"])
    check(w[1]["window"]["centralRect"] == [200, 23, 1080, 1001], "full screen areas %s" % w[1]["window"])

    def pixel(x, y):
        out = subprocess.run(["convert", shot, "-format", "%%[pixel:p{%d,%d}]" % (x, y), "info:"],
                             capture_output=True, text=True).stdout
        return out.strip()
    # The pane's 1-pixel line at its right edge; the top bar's separators.
    check(pixel(197, 300) in ("srgb(0,0,0)", "black"), "split line at x 197: " + pixel(197, 300))
    check(pixel(196, 300) in ("srgb(255,255,255)", "white"), "pane background at x 196: " + pixel(196, 300))


def viewer_pixels_under_xvfb(s):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    big = os.path.join(s.samples, "big.jpg")
    subprocess.run(["convert", "-size", "3000x2000", "plasma:fractal", "-seed", "5", big], check=True)
    subprocess.run(["convert", "-size", "640x480", "xc:orange", os.path.join(s.samples, "small.jpg")], check=True)
    shot = os.path.join(s.root, "viewer.png")
    st = s.run(["resize 1000 700", "wait-idle", "key F11", "wait-idle", "state", "shot " + shot, "key Right",
                "state", "quit"])
    check(st[0]["viewer"]["viewRect"] == [0, 0, 1000, 700] and st[0]["viewer"]["drawnRect"] == [0, 17, 1000, 666],
          "3000x2000 fitted into 1000x700 %s" % st[0]["viewer"])
    check(st[1]["viewer"]["drawnRect"] == [180, 110, 640, 480], "640x480 at 100 %% %s" % st[1]["viewer"])
    reference = os.path.join(s.root, "reference.png")
    subprocess.run([CLI, "decode", "--box", "1000x700", big, "-o", reference], check=True, stdout=subprocess.DEVNULL)

    def pixel(path, x, y):
        return subprocess.run(["convert", path, "-format", "%%[pixel:p{%d,%d}]" % (x, y), "info:"],
                              capture_output=True, text=True).stdout.strip()
    for x, y in ((500, 333), (900, 600), (300, 500), (999, 665)):
        check(pixel(shot, x, 17 + y) == pixel(reference, x, y), "probe %d,%d: %s != %s"
              % (x, y, pixel(shot, x, 17 + y), pixel(reference, x, y)))


def decoded(path):
    return subprocess.run(["djpeg", "-pnm", path], capture_output=True).stdout


def viewer_fit_buttons_and_show(s):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    sizes = {"a.jpg": (640, 480), "b.jpg": (1600, 1200), "c.jpg": (300, 200)}
    for name, (w, h) in sizes.items():
        subprocess.run(["convert", "-size", "%dx%d" % (w, h), "plasma:fractal", "-seed", "7",
                        os.path.join(s.samples, name)], check=True)
    a, b, c = (os.path.join(s.samples, n) for n in ("a.jpg", "b.jpg", "c.jpg"))
    os.chmod(c, 0o444)  # no write bit: write-protected even for root
    before = {p: open(p, "rb").read() for p in (a, b, c)}
    # Right moves the preview strip's focus and Enter shows that picture.
    st = s.run(["resize 1000 700", "wait-idle", "state", "key F11", "state", "key F11",
                "key Right", "key Return", "state",
                # Zoom mode on b.jpg: the wheel steps through the levels, arrows move.
                "key Ctrl+Z", "state"] + ["wheel 600 400 1"] * 5 + ["state", "wheel 600 400 -1", "key Left",
                "state", "key Ctrl+Z", "state", "quit"])
    zoom = [x["viewer"] for x in st[3:7]]
    check(zoom[0]["mode"] == "zoom" and zoom[0]["zoomLevel"] == 1 and zoom[0]["navigator"] == [133, 100],
          "zoom mode at 100 %% with a 133x100 navigator %s" % zoom[0])
    zoom_in = [b for b in zoom[1]["buttons"] if b[0] == 40082]
    check(zoom[1]["zoomLevel"] == 5 and zoom_in and not zoom_in[0][3], "200 %% ends the wheel %s" % zoom[1])
    check(zoom[2]["zoomLevel"] == 4 and zoom[2]["mode"] == "zoom", "wheel back, arrows stay in zoom mode")
    check(zoom[3]["mode"] == "normal", "Ctrl+Z leaves zoom mode")
    view = st[0]["viewer"]["viewRect"]
    x, y, w, h = view
    check(st[0]["viewer"]["drawnRect"] == [(w - 640) // 2, (h - 480) // 2, 640, 480], "640x480 at 100 %% %s" % st[0])
    check(st[1]["viewer"]["drawnRect"] == [180, 110, 640, 480], "picture-only centre %s" % st[1]["viewer"])
    fitted_b = st[2]["viewer"]["drawnRect"]
    fx, fy, fw, fh = fitted_b
    check((fw == w or fh == h) and fw <= w and fh <= h and abs(fw / fh - 4 / 3) < 0.01
          and fx == (w - fw) // 2 and fy == (h - fh) // 2, "1600x1200 fitted and centred %s" % st[2]["viewer"])

    def button(command):
        return [b for b in st[0]["viewer"]["buttons"] if b[0] == command][0]
    rotate = button(40020)
    click = "click %d %d" % (x + rotate[1] + 9, y + rotate[2] + 9)
    left = button(40021)
    ctrl_click = "click %d %d ctrl" % (x + left[1] + 9, y + left[2] + 9)
    st = s.run(["resize 1000 700", "wait-idle", "answer untick:Make copy", click, "state",  # a.jpg rotated in the file
                "key Right", "key Return", ctrl_click, "state",            # b.jpg rotated in memory only
                "key Right", "key Return", "state", click, "state", "quit"])  # c.jpg is write-protected
    expected = subprocess.run(["jpegtran", "-trim", "-rotate", "90", a + ".original"], capture_output=True).stdout
    reference = os.path.join(s.root, "reference.jpg")
    open(reference, "wb").write(expected)
    check(before[a] == open(a + ".original", "rb").read(), "the original kept beside a.jpg")
    check(decoded(a) == decoded(reference) and len(expected) > 0, "rotate right equals jpegtran -rotate 90")
    check(st[0]["viewer"]["drawnRect"][2:] == [480, 640] or st[0]["viewer"]["drawnRect"][3] == h,
          "the rotated file is shown upright %s" % st[0]["viewer"])
    check(open(b, "rb").read() == before[b], "Ctrl+button leaves the file alone")
    fx, fy, fw, fh = st[1]["viewer"]["drawnRect"]
    check(fh == h and fw == fitted_b[3], "Ctrl+button turns the shown picture, squeezed into the view %s" % st[1]["viewer"])
    lossless = [b for b in st[2]["viewer"]["buttons"] if 40020 <= b[0] <= 40025 or b[0] == 40395]
    check(len(lossless) == 7 and not any(b[3] for b in lossless), "write-protected: buttons disabled %s" % lossless)
    check(open(c, "rb").read() == before[c] and not os.path.exists(c + ".original"), "nothing written to c.jpg")

    # The auto show: every second the next picture, Ctrl+S gives the window back.
    st = s.run(["resize 1000 700", "wait-idle", "key Home", "key Ctrl+S", "state", "wait 1500", "state", "wait 2000", "state",
                "key Ctrl+S", "state", "key Ctrl+S", "key Esc", "state", "quit"], options=["-d", "1"])
    check(st[0]["autoShow"]["running"] and st[0]["window"]["pictureOnly"] and st[0]["window"]["fullScreen"],
          "the show runs full screen %s" % st[0]["window"])
    check(st[1]["list"]["currentIndex"] == 1, "one tick after 1.5 s %s" % st[1]["list"])
    check(st[2]["list"]["currentIndex"] == 0 and st[2]["autoShow"]["running"], "wrapped after three ticks %s" % st[2])
    check(st[2]["viewer"]["transitions"] - st[0]["viewer"]["transitions"] == 3, "three transitions %s" % st[2]["viewer"])
    check(not st[3]["autoShow"]["running"] and not st[3]["window"]["pictureOnly"]
          and not st[3]["window"]["fullScreen"], "Ctrl+S stops the show %s" % st[3]["window"])
    check(not st[4]["autoShow"]["running"] and not st[4]["window"]["fullScreen"], "Esc stops the show")
    for name in ("b.jpg", "c.jpg"):
        os.chmod(os.path.join(s.samples, name), 0o644)
        os.remove(os.path.join(s.samples, name))
    st = s.run(["wait-idle", "key Ctrl+S", "state", "quit"])
    check(not st[0]["autoShow"]["running"], "one picture: no show")

    # A 4000x1000 picture in picture-only mode fills the height and scrolls by itself.
    subprocess.run(["convert", "-size", "4000x1000", "gradient:red-blue", os.path.join(s.samples, "p.jpg")],
                   check=True)
    st = s.run(["resize 1000 700", "wait-idle", "key F11", "key Right", "state", "wait 500", "state", "key F11",
                "state", "quit"])
    first, later, normal = (x["viewer"] for x in st)
    check(first["mode"] == "panorama" and first["drawnRect"][2:] == [2800, 700] and first["panoramaScrolling"],
          "panorama at the view's height %s" % first)
    check(later["drawnRect"][0] < first["drawnRect"][0] <= 0, "it scrolls %s" % later["drawnRect"])
    check(normal["mode"] == "normal" and normal["drawnRect"][2] <= normal["viewRect"][2], "fitted again %s" % normal)
    st = s.run(["wait-idle", "state", "key Ctrl+S", "quit"], options=["-a"])
    check(st[0]["autoShow"]["running"] and st[0]["window"]["pictureOnly"], "-a starts the show %s" % st[0])


def run_scenarios(scenarios, tools=(), prepare=None):
    """Runs each scenario in a fresh home folder; 77 (skipped) when a tool is missing, 1 when a check failed
    or, under CI=true, a tool is missing."""
    missing = [t for t in tuple(tools) + (("xvfb-run",) if XVFB else ()) if not shutil.which(t)]
    if missing:
        print("missing: %s" % " ".join(missing))
        return 1 if UNDER_CI else 77
    for scenario in scenarios:
        with tempfile.TemporaryDirectory() as root:
            print("--", scenario.__name__)
            session = Session(root)
            if prepare:
                prepare(session)
            scenario(session)
    return 1 if failures else 0


def main():
    scenarios = [geometry_under_xvfb, viewer_pixels_under_xvfb] if XVFB else [styles_keys_and_frames, state_survives_restart,
                                                        delete_and_file_dates, bad_line_stops,
                                                        viewer_fit_buttons_and_show]
    return run_scenarios(scenarios, ("convert", "exiftool", "jpegtran", "djpeg"))


if __name__ == "__main__":
    sys.exit(main())
