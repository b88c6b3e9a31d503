#!/usr/bin/env python3
"""The overview page and the desktop's shared thumbnails, driven through
VISTELLO_SCRIPT: the first opening writes them (private modes, the MD5 of
the URI), the second takes every tile from them, a touched picture is made
anew, at scale factor 2 the tiles carry 160 x 160 device pixels, and a large
folder keeps its tiles within the page's byte budget while the view is
scrolled from end to end.
Usage: scripted_overview.py VISTELLO VISTELLO_CLI; exit 77 means skipped."""
import hashlib
import os
import stat
import subprocess
import sys
import urllib.parse

import scripted_window as sw
from scripted_window import check

OVERVIEW = "command 40157"
TILE_BUDGET = 64 << 20  # the page's bytes of tiles


def only_plain_pictures(s, count, size="600x400"):
    """Pictures without EXIF thumbnails (scans, exports): each must be decoded once."""
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    first = os.path.join(s.samples, "c0000.jpg")
    subprocess.run(["convert", "-size", size, "gradient:orange-navy", "-strip", first], check=True)
    names = ["c%04d.jpg" % i for i in range(count)]
    for name in names[1:]:
        subprocess.run(["cp", first, os.path.join(s.samples, name)], check=True)
    return names


def thumbnail_of(s, name, size="normal"):
    uri = "file://" + urllib.parse.quote(os.path.join(s.samples, name), safe="/!$&'()*+,=:@")
    return os.path.join(s.home, "cache", "thumbnails", size, hashlib.md5(uri.encode()).hexdigest() + ".png")


def run_scaled(s, lines, factor):
    os.environ["QT_SCALE_FACTOR"] = factor
    try:
        return s.run(lines)
    finally:
        del os.environ["QT_SCALE_FACTOR"]


def shared_cache_between_openings(s):
    names = only_plain_pictures(s, 6)
    opening = ["resize 1300 700", OVERVIEW, "wait-tiles 60000", "state", "quit"]
    first = s.run(opening)[0]["overview"]
    check(first["tilesDone"] == 6 and first["decoded"] == 6 and first["fromShared"] == 0,
          "the first opening decodes: %s" % first)
    check(first["firstTilePixels"] == [80, 80] and first["tileScale"] == 1, "80 x 80 tiles at scale 1: %s" % first)
    check(first["lanes"] >= 1, "lanes: %s" % first)
    for name in names:
        path = thumbnail_of(s, name)
        check(os.path.exists(path) and stat.S_IMODE(os.stat(path).st_mode) == 0o600,
              "%s's shared thumbnail at %s, 0600" % (name, path))
    second = s.run(opening)[0]["overview"]
    check(second["fromShared"] == 6 and second["decoded"] == 0, "the second opening decodes nothing: %s" % second)
    touched = os.path.join(s.samples, names[1])
    later = os.stat(touched).st_mtime + 60
    os.utime(touched, (later, later))
    third = s.run(opening)[0]["overview"]
    check(third["fromShared"] == 5 and third["decoded"] == 1, "a touched picture is made anew: %s" % third)
    scaled = run_scaled(s, opening, "2")[0]["overview"]
    check(scaled["firstTilePixels"] == [160, 160] and scaled["tileScale"] == 2,
          "160 x 160 device pixels at scale 2: %s" % scaled)
    check(all(os.path.exists(thumbnail_of(s, n, "large")) for n in names), "large thumbnails for scale 2")


def large_folder_stays_within_the_budget(s):
    count = 2500
    names = only_plain_pictures(s, 1, "240x160")
    source = os.path.join(s.samples, names[0])
    for i in range(1, count):
        os.link(source, os.path.join(s.samples, "c%04d.jpg" % i))
    # At scale 2 a tile is 160 x 160 x 3 bytes: the budget holds about 870.
    lines = ["resize 1300 700", OVERVIEW, "wait-tiles 240000", "state",
             "click 700 300", "key End", "wait 1500", "state", "key Home", "wait 1500", "state", "quit"]
    st = run_scaled(s, lines, "2")
    full, bottom, top = (x["overview"] for x in st)
    check(full["items"] == count and full["tilesDone"] == count, "every tile made once: %s" % full)
    for when, o in (("filled", full), ("at the end", bottom), ("back at the top", top)):
        check(o["tileBytes"] <= TILE_BUDGET + (4 << 20), "%s: tiles within the budget: %s" % (when, o["tileBytes"]))
    check(full["tilesDropped"] > 0, "the far tiles were dropped: %s" % full)
    check(bottom["visible"][1] == count - 1, "End shows the last row: %s" % bottom["visible"])
    check("0" not in top["tileKeys"], "the top tiles are there again: %s" % top["tileKeys"])
    check(top["fromShared"] > 0, "made again from the shared cache: %s" % top)


def main():
    return sw.run_scenarios([shared_cache_between_openings, large_folder_stays_within_the_budget], ("convert",))


if __name__ == "__main__":
    sys.exit(main())
