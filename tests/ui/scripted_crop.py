#!/usr/bin/env python3
"""Crop mode of the real vistello, driven through VISTELLO_SCRIPT: the crop
button, a drag over the picture, the "Crop rectangle" page's fields and its
Crop button. Oracles: vistello-cli crop (byte-identical result) and
jpegtran/djpeg. Usage: scripted_crop.py VISTELLO VISTELLO_CLI.
Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def settings(s, values):
    path = os.path.join(s.root, "settings%d.xml" % s.runs)
    lines = ['  <c Attr="%s" Type="bool">%s</c>' % (key, str(v).lower()) for key, v in values.items()]
    with open(path, "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<Document>\n <Settings>\n%s\n </Settings>\n</Document>\n'
                % "\n".join(lines))
    return ["-x", path]


def pixels(path):
    return subprocess.run(["djpeg", "-pnm", path], check=True, stdout=subprocess.PIPE).stdout


def crop_by_drag(s):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    picture = os.path.join(s.samples, "c.jpg")
    subprocess.run(["convert", "-size", "640x480", "-seed", "3", "plasma:fractal", "-sampling-factor", "2x2",
                    "-quality", "85", picture], check=True)
    original = os.path.join(s.root, "original.jpg")
    shutil.copy2(picture, original)
    options = settings(s, {"CropAspectRatio": False, "CropMakeCopy": True, "CopyOriginal": False})
    (first,) = s.run(["resize 1000 700", "wait-idle", "state", "quit"], options=options)
    view = first["viewer"]
    crop_button = [b for b in view["buttons"] if b[0] == 40204]
    check(crop_button and crop_button[0][3], "the crop button is enabled on a writable JPEG %s" % view["buttons"])
    x0 = view["viewRect"][0] + view["drawnRect"][0]
    y0 = view["viewRect"][1] + view["drawnRect"][1]
    check(view["drawnRect"][2:] == [640, 480], "drawn at 100 %% %s" % view["drawnRect"])

    # A new rectangle from picture pixel (100, 40) to (300, 140): its left and
    # top edges snap down to the 16-pixel blocks, the right and bottom stay.
    # Then "Distance left:" typed: the typed value stays off the block grid.
    entered, dragged, typed, done = s.run(
        ["resize 1000 700", "wait-idle", "command 40204", "wait-idle", "state",
         "drag %d %d %d %d" % (x0 + 100, y0 + 40, x0 + 300, y0 + 140), "state",
         "fill Distance left:=100", "state", "button Crop", "wait-idle", "state", "quit"], options=options)
    check(entered["viewer"]["crop"]["active"], "crop mode entered %s" % entered["viewer"]["crop"])
    page = entered["taskPane"]["page"]
    check(page and page["mode"] == 36 and page["heading"] == "Crop rectangle", "the crop page opens %s" % page)
    crop = dragged["viewer"]["crop"]
    check(crop["rect"] == [96, 32, 205, 109] and crop["shortForm"] == "205x109+96+32", "the snapped rectangle %s" % crop)
    fields = (dragged["taskPane"]["page"] or {}).get("fields", {})
    check(fields.get("values") == ["205", "109", "96", "32", "205x109+96+32"], "the page shows it %s" % fields)
    check(typed["viewer"]["crop"]["rect"] == [100, 32, 205, 109]
          and typed["taskPane"]["page"]["fields"]["values"][4] == "205x109+100+32",
          "typing moves the viewer's rectangle %s" % typed["viewer"]["crop"])
    copy = os.path.join(s.samples, "Copy of c.jpg")
    check(not done["viewer"]["crop"]["active"] and done["taskPane"]["page"] is None, "Crop leaves crop mode")
    check(done["list"]["currentPath"] == copy, "the copy is current %s" % done["list"]["currentPath"])
    check(open(picture, "rb").read() == open(original, "rb").read(), "the picture itself is unchanged")

    # The command line crops the same rectangle into the same bytes.
    other = os.path.join(s.root, "cli")
    os.makedirs(other)
    shutil.copy2(original, os.path.join(other, "c.jpg"))
    cli = subprocess.run([sw.CLI, "crop", "--copy", "--kind", "3", "--rect", "100,32,205,109"] + options
                         + [os.path.join(other, "c.jpg")], stdout=subprocess.PIPE, text=True)
    check(cli.returncode == 0 and cli.stdout.startswith("205x109+100+32\n"), "the CLI agrees %s" % cli.stdout)
    check(os.path.exists(copy) and open(copy, "rb").read() == open(os.path.join(other, "Copy of c.jpg"), "rb").read(),
          "byte-identical to the CLI's crop")
    expected = os.path.join(s.root, "expected.jpg")
    subprocess.run(["jpegtran", "-copy", "none", "-crop", "205x109+100+32", "-outfile", expected, original], check=True)
    check(pixels(copy) == pixels(expected), "decodes as jpegtran -crop of the original")


def viewer_buttons_in_picture_only_mode(s):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    picture = os.path.join(s.samples, "c.jpg")
    subprocess.run(["convert", "-size", "640x480", "-seed", "3", "plasma:fractal", "-sampling-factor", "2x2",
                    picture], check=True)
    options = settings(s, {"CropAspectRatio": False, "CropMakeCopy": True, "CopyOriginal": False})
    base = ["resize 1000 700", "wait-idle", "key F11", "wait-idle"]
    start = base + ["command 40204", "wait-idle"]
    (first,) = s.run(base + ["state", "quit"], options=options)
    view = first["viewer"]
    x0 = view["viewRect"][0] + view["drawnRect"][0]
    y0 = view["viewRect"][1] + view["drawnRect"][1]
    drag = "drag %d %d %d %d" % (x0 + 160, y0 + 160, x0 + 400, y0 + 300)
    (shown,) = s.run(start + [drag, "state", "quit"], options=options)
    crop = shown["viewer"]["crop"]
    check(crop["active"] and len(crop["buttons"]) == 2, "the viewer's own Crop and Cancel %s" % crop)
    if len(crop["buttons"]) != 2:
        return
    (cx, cy, cw, ch), (nx, ny, nw, nh) = crop["buttons"]
    check(nx == cx + cw + 5 and ny == cy, "Cancel 5 pixels right of Crop %s" % crop["buttons"])
    vx, vy = view["viewRect"][:2]
    cancelled, = s.run(start + [drag, "click %d %d" % (vx + nx + 2, vy + ny + 2), "state", "quit"], options=options)
    check(not cancelled["viewer"]["crop"]["active"] and not os.path.exists(os.path.join(s.samples, "Copy of c.jpg")),
          "Cancel leaves crop mode without a crop")
    cropped, = s.run(start + [drag, "click %d %d" % (vx + cx + 2, vy + cy + 2), "wait-idle", "state", "quit"],
                     options=options)
    copy = os.path.join(s.samples, "Copy of c.jpg")
    check(not cropped["viewer"]["crop"]["active"] and cropped["list"]["currentPath"] == copy,
          "the viewer's Crop crops and shows the copy %s" % cropped["list"])
    check(crop["rect"][2:] == [241 + 160 - crop["rect"][0], 141 + 160 - crop["rect"][1]],
          "the right and bottom edges stay where the drag left them %s" % crop["rect"])


def another_picture_starts_anew(s):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    for name, size in (("a.jpg", "640x480"), ("b.jpg", "480x640")):
        subprocess.run(["convert", "-size", size, "-seed", "3", "plasma:fractal", os.path.join(s.samples, name)],
                       check=True)
    # Locked at 2:3: the ratio turns to each picture's shape.
    options = settings(s, {"CropAspectRatio": True, "CropMakeCopy": True, "CopyOriginal": False})
    first, second = s.run(["resize 1000 700", "wait-idle", "command 40204", "wait-idle", "state",
                           "key Right", "key Return", "wait-idle", "state", "quit"], options=options)
    check(first["viewer"]["crop"]["shortForm"] == "640x426+0+0", "3:2 on a.jpg %s" % first["viewer"]["crop"])
    check(second["list"]["currentPath"].endswith("b.jpg"), "b.jpg shown %s" % second["list"]["currentPath"])
    check(second["viewer"]["crop"]["active"] and second["viewer"]["crop"]["shortForm"] == "426x640+0+0"
          and (second["taskPane"]["page"] or {}).get("mode") == 36,
          "crop mode starts anew with 2:3 on b.jpg %s %s" % (second["viewer"]["crop"], second["taskPane"]["page"]))


def main():
    return sw.run_scenarios([crop_by_drag, viewer_buttons_in_picture_only_mode, another_picture_starts_anew],
                            ("convert", "jpegtran", "djpeg"))


if __name__ == "__main__":
    sys.exit(main())
