#!/usr/bin/env python3
"""The picture-data tab of the real vistello, driven through VISTELLO_SCRIPT:
its rows and Copy against exiftool's values, and Save, Remove and Load
picture data as a byte-exact round trip. Usage: scripted_info.py VISTELLO
VISTELLO_CLI. Exit 77 means skipped (never under CI=true)."""
import os
import re
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check

CAMERA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "shared", "samples")
CAMERA_PICTURES = ["makernotes/canon/exifsamples_canon-ixus.jpg", "gps/exifsamples_DSCN0010.jpg",
                   "app12/exifsamples_olympus-d320l.jpg", "thumbnails/exifsamples_sony-d700.jpg"]
JFIF_ONLY = bytes.fromhex("FFE000104A46494600010100000100010000")
COPY, SAVE, LOAD, REMOVE, NEXT = 40384, 40386, 40388, 40439, 40002


# Rows whose values the program prints as exiftool does: (row name, exiftool tag).
EXIFTOOL_ROWS = [("Make", "Make"), ("Model", "Model"), ("Software", "Software"),
                 ("Date/Time original", "DateTimeOriginal")]


def exiftool_values(path):
    """The EXIF values of EXIFTOOL_ROWS that exiftool finds in the file, by row name."""
    out = subprocess.run(["exiftool", "-S"] + ["-EXIF:" + tag for _, tag in EXIFTOOL_ROWS] + [path],
                         capture_output=True, check=True).stdout.decode("utf-8")
    found = dict(line.split(": ", 1) for line in out.splitlines() if ": " in line)
    return {row: found[tag].strip() for row, tag in EXIFTOOL_ROWS if tag in found}


def copied_value(text, name):
    """The value of the row called name in a copied text, or None."""
    for line in text.split("\r\n"):
        head, sep, value = line.partition(": ")
        if sep and head.rstrip() == name:
            return value.strip()
    return None


def info_rows(text):
    """The name/value lines: each section's rule gives the name width."""
    rows, width = 0, None
    for line in text.split("\r\n"):
        if re.fullmatch(r"-+", line):
            width = len(line)
        elif width and line[width:width + 2] == ": ":
            rows += 1
    return rows


def header_end(data):
    """The first offset after SOI that is not an APPn or COM segment."""
    p = 2
    while p + 4 <= len(data) and data[p] == 0xFF and (data[p + 1] >> 4 == 0xE or data[p + 1] == 0xFE):
        p += 2 + int.from_bytes(data[p + 2:p + 4], "big")
    return p


def rows_and_copy(s, paths):
    lines = ["resize 1000 700", "key F10"]
    for i in range(len(paths)):
        lines += ["state", "command %d" % COPY, "state"] + (["command %d" % NEXT] if i + 1 < len(paths) else [])
    st = s.run(lines + ["quit"])
    compared = 0
    for i, path in enumerate(paths):
        shown, copied = st[2 * i], st[2 * i + 1]
        text = copied.get("clipboardText") or ""
        data = shown.get("pictureData", {})
        check(shown["window"].get("displayStyle") == 8 and data.get("path") == path,
              "the tab shows %s: %s" % (path, data))
        check(text.startswith('Picture data for picture "%s"\r\n' % path), "%s: Copy's heading %r" % (path, text[:80]))
        check(data.get("rows") == info_rows(text) and (data["rows"] > 0) != bool(data.get("message")),
              "%s: %s rows, the copied text holds %d" % (path, data, info_rows(text)))
        # Each row as exiftool reads the field, and no row where it finds none.
        expected = exiftool_values(path)
        compared += len(expected)
        for name, _ in EXIFTOOL_ROWS:
            check(copied_value(text, name) == expected.get(name),
                  "%s: row %s is %r, exiftool reads %r" % (path, name, copied_value(text, name), expected.get(name)))
    check(compared > 0, "no value of %s to compare in %s" % ([t for _, t in EXIFTOOL_ROWS], paths))


def generated_picture(s):
    picture = os.path.join(s.samples, "IMG_0001.jpg")
    rows_and_copy(s, [picture])
    thumb = subprocess.run(["exiftool", "-b", "-ThumbnailImage", picture], capture_output=True).stdout
    size = subprocess.run(["identify", "-format", "%wx%h", "-"], input=thumb, capture_output=True).stdout.decode()
    # The tab is remembered from the run before.
    st = s.run(["state", "quit"])[0]
    check(st["window"].get("displayStyle") == 8 and st.get("pictureData", {}).get("thumbnail") == size,
          "thumbnail %s, exiftool's %s" % (st.get("pictureData"), size))


def save_remove_load(s):
    picture = os.path.join(s.samples, "IMG_0001.jpg")
    stored = os.path.join(s.root, "header.app")
    original = open(picture, "rb").read()
    end = header_end(original)
    st = s.run(["key F10", "state", "answer " + stored, "command %d" % SAVE, "answer yes", "command %d" % REMOVE,
                "state", "answer " + stored, "command %d" % LOAD, "state", "quit"])
    check(open(stored, "rb").read() == original[2:end], "saved: the header run without SOI")
    check(open(picture + ".original", "rb").read() == original, "removal kept the .original backup")
    removed = st[1].get("pictureData", {})
    check(removed.get("rows") == 0 and "IMG_0001.jpg" in removed.get("message", ""), "no data after removal: %s" % removed)
    check(st[2].get("pictureData", {}).get("rows") == st[0].get("pictureData", {}).get("rows"),
          "the rows come back: %s" % st[2].get("pictureData"))
    check(open(picture, "rb").read() == original, "load restores the picture byte for byte")
    # The removal on its own: SOI, a bare JFIF segment, the picture from its first table on.
    s.run(["answer yes", "command %d" % REMOVE, "quit"])
    stripped = open(picture, "rb").read()
    check(stripped == b"\xff\xd8" + JFIF_ONLY + original[end:], "removal leaves SOI, JFIF and the picture")
    check(subprocess.run(["djpeg", "-outfile", os.devnull, picture]).returncode == 0, "djpeg reads the stripped file")


def camera_samples(s):
    present = [p for p in CAMERA_PICTURES if os.path.exists(os.path.join(CAMERA, p))]
    if not present:
        check(not sw.UNDER_CI, "the camera samples in %s are missing" % CAMERA)
        print("camera samples absent: skipped")
        return
    folder = os.path.join(s.root, "camera")
    os.makedirs(folder)
    for p in present:
        shutil.copy(os.path.join(CAMERA, p), folder)
    s.samples = folder
    rows_and_copy(s, sorted((os.path.join(folder, os.path.basename(p)) for p in present), key=str.lower))


def main():
    return sw.run_scenarios([generated_picture, save_remove_load, camera_samples],
                            ("convert", "identify", "exiftool", "djpeg"))


if __name__ == "__main__":
    sys.exit(main())
