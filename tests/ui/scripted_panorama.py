#!/usr/bin/env python3
"""The "Split panorama" page on the real window: the segments it writes are
the ones vistello-cli split-panorama writes for a copy (oracle: djpeg
pixels), and a picture twice as high as wide is refused.
Usage: scripted_panorama.py VISTELLO VISTELLO_CLI. Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check

REFUSAL = "This picture has a vertical alignment.\nRotate the picture first."


def pixels(path):
    return subprocess.run(["djpeg", "-pnm", path], check=True, stdout=subprocess.PIPE).stdout


def only_picture(s, size):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    picture = os.path.join(s.samples, "pano.jpg")
    subprocess.run(["convert", "-size", size, "-seed", "5", "plasma:fractal", "-sampling-factor", "2x2",
                    "-quality", "85", picture], check=True)
    return picture


def split_like_the_cli(s):
    picture = only_picture(s, "4000x1000")
    copy_folder = os.path.join(s.root, "copy")
    cli_folder = os.path.join(s.root, "cli")
    page_folder = os.path.join(s.root, "segments")
    for folder in (copy_folder, cli_folder, page_folder):
        os.makedirs(folder)
    copy = os.path.join(copy_folder, "pano.jpg")
    shutil.copy2(picture, copy)
    opened, done = s.run(["resize 1000 700", "wait-idle", "select 0", "task Split panorama", "wait-idle",
                          "fill Folder for the picture segments=" + page_folder, "fill #2=2000", "fill #3=3000",
                          "fill #4=0", "tick Landscape mode on", "state", "button Split", "wait-idle", "state",
                          "quit"])
    page = opened["taskPane"]["page"] or {}
    check(page.get("mode") == 37 and page.get("heading") == "Split panorama", "the page opens %s" % page)
    check(done["taskPane"]["page"] is None, "Split closes the page %s" % done["taskPane"]["page"])
    # The segments join the list; the panorama stays the current picture.
    check(opened["list"]["count"] == 1 and done["list"]["count"] == 4
          and done["list"]["currentPath"].endswith("pano.jpg"), "three pictures added %s" % done["list"])
    subprocess.run([sw.CLI, "split-panorama", "--printer", "2000x3000", "--landscape", copy, "-o", cli_folder],
                   check=True, stdout=subprocess.DEVNULL)
    names = ["pano-1.jpg", "pano-2.jpg", "pano-3.jpg"]
    check(sorted(os.listdir(cli_folder)) == names, "the CLI wrote three segments %s" % os.listdir(cli_folder))
    check(sorted(os.listdir(page_folder)) == names, "the page wrote three segments %s" % os.listdir(page_folder))
    for name in names:
        ours, theirs = os.path.join(page_folder, name), os.path.join(cli_folder, name)
        if os.path.exists(ours) and os.path.exists(theirs):
            check(pixels(ours) == pixels(theirs), name + " decodes as the CLI's segment")
    widths = [subprocess.run(["identify", "-format", "%w", os.path.join(page_folder, n)], stdout=subprocess.PIPE,
                             text=True).stdout for n in names if os.path.exists(os.path.join(page_folder, n))]
    check(widths == ["1500", "1500", "1024"], "segment widths %s" % widths)


def vertical_picture_is_refused(s):
    only_picture(s, "1000x2000")
    (st,) = s.run(["resize 1000 700", "wait-idle", "select 0", "task Split panorama", "wait-idle", "state", "quit"])
    check(REFUSAL in st.get("messages", []), "the refusal is shown %s" % st.get("messages"))
    check(st["taskPane"]["page"] is None, "the page stays closed %s" % st["taskPane"]["page"])


def main():
    return sw.run_scenarios([split_like_the_cli, vertical_picture_is_refused], ("convert", "djpeg", "identify"))


if __name__ == "__main__":
    sys.exit(main())
