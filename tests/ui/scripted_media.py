#!/usr/bin/env python3
"""Videos and MP3 files among the pictures of the real vistello, driven
through VISTELLO_SCRIPT: their tiles in the overview, the player's band on
the picture page, Play and Stop, the end of the clip, and the auto show
waiting for a clip to end. Clips come from ffmpeg; the list order from
vistello-cli list. Usage: scripted_media.py VISTELLO VISTELLO_CLI.
Exit 77 means skipped."""
import os
import subprocess
import sys

import scripted_window as sw
from scripted_window import check


def media_folder(s):
    """Two pictures, a 2-second clip, an MP3 and two broken pictures; returns name -> list index."""
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    for name in ("a.jpg", "b.jpg"):
        subprocess.run(["convert", "-size", "320x240", "-seed", "5", "plasma:fractal",
                        os.path.join(s.samples, name)], check=True)
    subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=320x240:duration=2", "-q:v", "2",
                    os.path.join(s.samples, "c.avi")], check=True)
    subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "sine=duration=1",
                    os.path.join(s.samples, "d.mp3")], check=True)
    for name in ("e.jpg", "f.jpg"):
        with open(os.path.join(s.samples, name), "wb") as f:
            f.write(b"not a picture at all" * 10)
    listed = subprocess.run([sw.CLI, "list", s.samples], stdout=subprocess.PIPE, text=True, check=True).stdout
    paths = [line for line in listed.splitlines() if line]
    return {os.path.basename(p): i for i, p in enumerate(paths)}


def show(index):
    """Keys that show the list's picture number index on the picture page."""
    return ["key Home"] + ["key Right"] * index + ["key Return"]


def center(rect):
    return "click %d %d" % (rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)


def tiles_band_and_play(s):
    index = media_folder(s)
    check(sorted(index) == ["a.jpg", "b.jpg", "c.avi", "d.mp3", "e.jpg", "f.jpg"], "the clip and the MP3 are listed %s"
          % sorted(index))
    overview, = s.run(["resize 1000 700", "command 40157", "wait-idle", "wait 3000", "state", "quit"])
    keys = overview["overview"]["tileKeys"]
    check(len(keys) == 6 and overview["overview"]["tilesReceived"] >= 6, "every tile came %s" % overview["overview"])
    if len(keys) == 6:
        broken = {keys[index["e.jpg"]], keys[index["f.jpg"]]}
        kinds = {keys[index["a.jpg"]], keys[index["c.avi"]], keys[index["d.mp3"]]}
        check(len(broken) == 1, "the broken pictures share the broken tile %s" % keys)
        check(len(kinds) == 3 and not kinds & broken, "picture, clip and MP3: three kinds of tiles, none broken %s"
              % keys)

    # The window comes back on the overview: "Change view" returns to the picture page.
    back = ["resize 1000 700", "command 40157", "wait-idle"]
    st = s.run(back + show(index["c.avi"]) + ["wait 1200", "state", "quit"])
    if not st[0].get("mediaPlayer"):
        check(False, "no player state %s" % st[0].keys())
        return
    opened = st[0]["mediaPlayer"]
    check(opened["path"].endswith("c.avi") and opened["bandShown"], "the clip opens with its band %s" % opened)
    check(opened["state"] == "running" and opened["mediaPlaying"], "it plays %s" % opened)
    stop, play = opened["stopRect"], opened["playRect"]
    st = s.run(["resize 1000 700", "wait-idle"] + show(index["c.avi"]) +  # the picture page again
               ["wait 700", "state", "wait 500", "state", center(stop), "wait 300", "state", "wait 500", "state",
                center(play), "wait 500", "state", "wait 5000", "state", "quit"])
    early, later, stopped, still, resumed, ended = (x["mediaPlayer"] for x in st)
    check(later["positionMs"] > early["positionMs"], "Play advances the position %s -> %s"
          % (early["positionMs"], later["positionMs"]))
    check(stopped["state"] == "paused" and not stopped["mediaPlaying"], "Stop pauses %s" % stopped)
    check(still["positionMs"] == stopped["positionMs"], "paused stays %s %s" % (stopped, still))
    check(resumed["state"] == "running" and resumed["positionMs"] > still["positionMs"], "Play goes on %s" % resumed)
    check(ended["state"] == "paused" and ended["positionMs"] == 0 and not ended["mediaPlaying"],
          "at the end back to the start %s" % ended)
    check(ended["frames"] > 0, "frames were shown %s" % ended)


def auto_show_waits_for_the_clip(s):
    index = media_folder(s)
    clip = index["c.avi"]
    st = s.run(["resize 1000 700", "wait-idle"] + show(clip) + ["key Ctrl+S", "wait 1600", "state", "wait 4500",
                                                                   "state", "key Ctrl+S", "quit"],
               options=["-d", "1"])
    waiting, after = st
    check(waiting["autoShow"]["running"] and waiting["list"]["currentIndex"] == clip
          and waiting["mediaPlayer"]["mediaPlaying"], "the show waits while the clip plays %s %s"
          % (waiting["list"], waiting.get("mediaPlayer")))
    check(after["list"]["currentIndex"] != clip, "and goes on after its end %s" % after["list"])


def main():
    return sw.run_scenarios([tiles_band_and_play, auto_show_waits_for_the_clip], ("convert", "ffmpeg"))


if __name__ == "__main__":
    sys.exit(main())
