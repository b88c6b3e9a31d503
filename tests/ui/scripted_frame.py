#!/usr/bin/env python3
"""The main window's routing of commands, keys, the wheel and drops, and how
the views learn about changed pictures, driven through VISTELLO_SCRIPT.
Usage: scripted_frame.py VISTELLO VISTELLO_CLI. Exit 77 means skipped."""
import os
import subprocess
import sys
import threading
import time

import scripted_window as sw
from scripted_window import check


def folder_listing(s):
    return sorted((n, os.path.getmtime(os.path.join(s.samples, n))) for n in os.listdir(s.samples))


def delete_only_in_picture_styles(s):
    before = folder_listing(s)
    # F1 shows the information page, F3 the search page: neither shows pictures.
    st = s.run(["wait-idle", "key F1", "answer yes", "key Del", "state", "key F1", "key F3", "answer yes", "key Del",
                "state", "quit"])
    check(st[0]["window"]["displayStyle"] == 0x10000, "the information page %s" % st[0]["window"])
    check(st[1]["list"]["count"] == st[0]["list"]["count"], "the list keeps its pictures %s" % st[1]["list"])
    check(folder_listing(s) == before, "Del outside a picture view changes nothing on disk")
    check(not os.path.exists(os.path.join(s.home, "data", "Trash", "files")), "nothing in the trash")


def wheel_moves_the_strip_focus(s):
    st = s.run(["resize 1000 700", "wait-idle", "state", "wheel 600 500 1", "state", "wheel 600 500 -1",
                "wheel 600 500 -1", "state", "quit"])
    first, forward, back = st
    x, y, w, h = first["viewer"]["viewRect"]
    check(x < 600 < x + w and y < 500 < y + h, "the wheel is over the viewer %s" % first["viewer"]["viewRect"])
    start = first["list"]["currentIndex"]
    count = first["list"]["count"]
    check(forward["list"]["currentIndex"] == start, "the shown picture stays %s" % forward["list"])
    check(forward["preview"]["focusIndex"] == (first["preview"]["focusIndex"] + 1) % count,
          "forward: the focus on the next picture %s -> %s" % (first["preview"], forward["preview"]))
    check(back["list"]["currentIndex"] == start and back["preview"]["focusIndex"] == first["preview"]["focusIndex"] - 1
          or back["preview"]["focusIndex"] == count - 1 and first["preview"]["focusIndex"] == 0,
          "backward twice: the picture before %s" % back["preview"])


def keys_restart_the_show(s):
    # Ctrl+E (an accelerator) every half second keeps a 1-second show on its first picture.
    st = s.run(["wait-idle", "key Home", "key Ctrl+S", "state"] + ["wait 500", "key Ctrl+E"] * 6
               + ["state", "wait 1600", "state", "key Ctrl+S", "quit"], options=["-d", "1"])
    started, held, moved = st
    check(started["autoShow"]["running"] and held["autoShow"]["running"], "the show runs %s" % held["autoShow"])
    check(held["list"]["currentIndex"] == started["list"]["currentIndex"],
          "keys restart its delay %s" % held["list"])
    check(moved["list"]["currentIndex"] != started["list"]["currentIndex"], "then it goes on %s" % moved["list"])


def paste_without_picture(s):
    st = s.run(["wait-idle", "key Ctrl+V", "state", "quit"])
    check("There is no picture in the clipboard." in st[0].get("messages", []), "33310 shown %s" % st[0].get("messages"))


def viewer_commands_and_idle(s):
    st = s.run(["wait-idle", "state", "quit"])
    shown = st[0]["list"]["currentPath"]
    before = open(shown, "rb").read()
    # The viewer's own buttons by their ids; wait-idle waits for the overview's tiles.
    st = s.run(["wait-idle", "answer untick:Make copy", "command 40020", "state", "command 40157", "wait-idle", "state", "quit"])
    check(open(shown, "rb").read() != before and os.path.exists(shown + ".original"), "40020 turned the file")
    overview = st[1].get("overview", {})
    check(overview.get("tilesDone") == overview.get("items") and overview.get("items", 0) > 0,
          "wait-idle waits for the tiles %s" % {k: overview.get(k) for k in ("items", "tilesDone")})


def drawn_size(state):
    return state["viewer"]["drawnRect"][2:]


def update_shows_a_rewritten_picture(s):
    for name in os.listdir(s.samples):
        os.remove(os.path.join(s.samples, name))
    a = os.path.join(s.samples, "a.jpg")
    subprocess.run(["convert", "-size", "400x300", "xc:orange", a], check=True)
    subprocess.run(["convert", "-size", "200x300", "xc:navy", os.path.join(s.samples, "b.jpg")], check=True)
    first_state = os.path.join(s.root, "state%d_0.json" % (s.runs + 1))

    def rewrite():
        # Another program writes a.jpg anew once the first state is out.
        for _ in range(600):
            if os.path.exists(first_state):
                break
            time.sleep(0.1)
        subprocess.run(["convert", "-size", "300x300", "xc:green", "jpg:" + a + ".new"], check=True)
        os.replace(a + ".new", a)
    writer = threading.Thread(target=rewrite)
    writer.start()
    st = s.run(["resize 1000 700", "wait-idle", "key Home", "state", "wait 4000", "state", "key F5", "wait-idle",
                "state", "quit"])
    writer.join()
    first, unchanged, updated = st
    check(drawn_size(first) == [400, 300], "a.jpg shown %s" % first["viewer"])
    check(updated["list"]["currentPath"] == a and drawn_size(updated) == [300, 300],
          "F5 shows the rewritten picture %s" % updated["viewer"])
    # Turned by its id, then restored from its original: the viewer follows both.
    c = os.path.join(s.samples, "c.jpg")
    subprocess.run(["convert", "-size", "400x304", "xc:orange", c], check=True)
    os.remove(a)
    st = s.run(["resize 1000 700", "wait-idle", "key Home", "answer untick:Make copy", "command 40020", "state", "command 40347", "state", "quit"])
    turned, restored = st
    check(turned["list"]["currentPath"] == os.path.join(s.samples, "b.jpg"), "b.jpg first %s" % turned["list"])
    st = s.run(["resize 1000 700", "wait-idle", "key Right", "key Return", "answer untick:Make copy", "command 40020", "state", "command 40347",
                "state", "quit"])
    turned, restored = st
    check(turned["list"]["currentPath"] == c and drawn_size(turned) == [304, 400],
          "c.jpg turned %s %s" % (turned["list"], turned["viewer"]["drawnRect"]))
    check(drawn_size(restored) == [400, 304] and not os.path.exists(c + ".original"),
          "the restored picture shown %s" % restored["viewer"]["drawnRect"])


def turned_picture_gets_a_new_tile(s):
    # The overview's tiles are made, the shown picture is turned with the
    # viewer's button, and only its tile is made again.
    st = s.run(["resize 1000 700", "wait-idle", "key Home", "command 40157", "wait-idle", "state", "command 40157",
                "wait-idle", "state", "answer untick:Make copy", "command 40020", "command 40157", "wait-idle", "state", "quit"])
    before, shown, after = st
    check(shown["window"]["displayStyle"] != before["window"]["displayStyle"], "back on the picture %s" % shown["window"])
    index = shown["list"]["currentIndex"]
    old, new = before["overview"]["tileKeys"], after["overview"]["tileKeys"]
    check(index == 0 and len(old) > 2, "the first picture shown, tiles %s" % old)
    check(new[index] != old[index], "the turned picture's tile is made again %s -> %s" % (old, new))
    check(new[1:] == old[1:], "the other tiles stay %s -> %s" % (old, new))
    check(after["overview"]["tilesDone"] == after["overview"]["items"], "every tile there %s" % after["overview"])


def viewer_shows_the_program_comment(s):
    shown = os.path.join(s.samples, "IMG_0001.jpg")
    env = dict(os.environ, HOME=s.home, XDG_DATA_HOME=s.home + "/data")
    subprocess.run([sw.CLI, "comment", "--list", "Harbour at dawn", shown], check=True, env=env)
    st = s.run(["resize 1000 700", "wait-idle", "key Home", "state", "quit"])
    check("Harbour at dawn" in st[0]["viewer"]["textLine"], "the text line shows the comment %s" % st[0]["viewer"])


def main():
    return sw.run_scenarios([delete_only_in_picture_styles, wheel_moves_the_strip_focus, keys_restart_the_show,
                             paste_without_picture, viewer_commands_and_idle, update_shows_a_rewritten_picture,
                             turned_picture_gets_a_new_tile, viewer_shows_the_program_comment], ("convert",))


if __name__ == "__main__":
    sys.exit(main())
