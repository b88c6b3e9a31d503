#!/usr/bin/env python3
"""The red-eye mode on the real window: 40302 enters it with one picture
chosen, a drag over the eye selects it, the task pane's step box follows,
"Remove red eyes" and "Save" write a "Copy of" file that must be
byte-identical to what vistello-cli redeye writes for the same area.
Usage: scripted_redeye.py VISTELLO VISTELLO_CLI [--xvfb]. Exit 77 means skipped."""
import os
import shutil
import subprocess
import sys

import scripted_window as sw
from scripted_window import check

RED_EYE_STYLE = 1 << 25
EYE = (70, 70, 130, 130)


def eye_ppm():
    rows = bytearray()
    for y in range(200):
        for x in range(200):
            disc = (x - 100) ** 2 + (y - 100) ** 2 <= 30 * 30
            rows += bytes((210, 25, 30) if disc else (128, 128, 128))
    return b"P6\n200 200\n255\n" + bytes(rows)


def make_eye(folder, name="eye.jpg"):
    ppm = os.path.join(folder, "eye.ppm")
    with open(ppm, "wb") as f:
        f.write(eye_ppm())
    plain = os.path.join(folder, "plain.jpg")
    subprocess.run(["cjpeg", "-quality", "85", "-outfile", plain, ppm], check=True)
    path = os.path.join(folder, name)
    subprocess.run(["exiftool", "-q", "-o", path, "-Make=Vistello", plain], check=True)
    os.remove(ppm)
    os.remove(plain)
    return path


def only_the_eye(s):
    shutil.rmtree(s.samples)
    os.makedirs(s.samples)
    make_eye(s.samples)


def drag_remove_and_save(s):
    reference = os.path.join(s.root, "cli")
    os.makedirs(reference)
    make_eye(reference)
    cli = subprocess.run([sw.CLI, "redeye", "--copy", "--intensity", "40", "--rect", "%d,%d,%d,%d" % EYE,
                          os.path.join(reference, "eye.jpg")], stdout=subprocess.PIPE, text=True)
    check(cli.returncode == 0, "the CLI corrects the eye: %s" % cli.stdout)

    # Where the view lies in the window.
    (entered,) = s.run(["resize 1000 700", "wait-idle", "select 0", "command 40302", "state", "quit"])
    red_eye = entered.get("redEye", {})
    check(entered["window"].get("displayStyle") == RED_EYE_STYLE, "40302 enters the mode %s" % entered["window"])
    check(red_eye.get("active") and red_eye.get("step") == 1 and red_eye.get("stepTitle") == "Step 1:",
          "step 1 at the start %s" % red_eye)
    check(entered["taskPane"]["slot"] == "steps", "the step box takes the slot %s" % entered["taskPane"]["slot"])
    buttons = red_eye.get("buttons", {})
    check(not buttons.get("remove") and not buttons.get("save") and buttons.get("makeCopy"),
          "only Cancel and Make copy at the start %s" % buttons)
    x, y = red_eye.get("view", [0, 0])[:2]

    drag = "drag %d %d %d %d" % (x + EYE[0], y + EYE[1], x + EYE[2], y + EYE[3])
    selected, removed, saved = s.run(["resize 1000 700", "wait-idle", "select 0", "command 40302", drag, "state",
                                      "button Remove red eyes", "state", "button Save", "wait-idle", "state",
                                      "quit"])
    check(selected["redEye"]["selection"] == list(EYE) and selected["redEye"]["step"] == 2
          and selected["redEye"]["buttons"]["remove"], "the drag selects the red eye %s" % selected["redEye"])
    check(removed["redEye"]["step"] == 3 and removed["redEye"]["changed"] > 0 and removed["redEye"]["buttons"]["save"],
          "Remove red eyes corrects it %s" % removed["redEye"])
    check("changed %d" % removed["redEye"]["changed"] in cli.stdout,
          "as many pixels as the CLI changes: %d, %s" % (removed["redEye"]["changed"], cli.stdout))
    check(saved["window"]["displayStyle"] != RED_EYE_STYLE and not saved["redEye"]["active"],
          "Save ends the mode %s" % saved["window"])
    check(saved["taskPane"]["slot"] != "steps", "the step box is gone %s" % saved["taskPane"]["slot"])
    copy = os.path.join(s.samples, "Copy of eye.jpg")
    check(saved["list"]["currentPath"] == copy, "the copy is the current picture %s" % saved["list"]["currentPath"])
    if os.path.exists(copy):
        with open(copy, "rb") as a, open(os.path.join(reference, "Copy of eye.jpg"), "rb") as b:
            check(a.read() == b.read(), "the saved copy is byte-identical to the CLI's")
    else:
        check(False, "Save wrote %s" % copy)


def failed_save_keeps_the_mode(s):
    path = os.path.join(s.samples, "eye.jpg")
    (entered,) = s.run(["resize 1000 700", "wait-idle", "select 0", "command 40302", "state", "quit"])
    x, y = entered.get("redEye", {}).get("view", [0, 0])[:2]
    before = open(path, "rb").read()
    os.chmod(path, 0o444)
    try:
        drag = "drag %d %d %d %d" % (x + EYE[0], y + EYE[1], x + EYE[2], y + EYE[3])
        (failed,) = s.run(["resize 1000 700", "wait-idle", "select 0", "command 40302", drag,
                           "button Remove red eyes", "tick Make copy off", "button Save", "state", "quit"])
    finally:
        os.chmod(path, 0o644)
    red_eye = failed.get("redEye", {})
    check(failed["window"].get("displayStyle") == RED_EYE_STYLE and red_eye.get("active") and red_eye.get("differs"),
          "a failed save keeps the mode and the corrections %s" % red_eye)
    check(any("could not be written" in m for m in failed.get("messages", [])),
          "the failure is reported %s" % failed.get("messages"))
    check(open(path, "rb").read() == before, "the write-protected picture is unchanged")
    check(sorted(os.listdir(s.samples)) == ["eye.jpg"], "no other file %s" % os.listdir(s.samples))


def damaged_or_huge_picture_is_refused(s):
    path = os.path.join(s.samples, "eye.jpg")
    whole = open(path, "rb").read()
    sof = whole.rindex(b"\xff\xc0")
    huge = whole[:sof + 5] + b"\x75\x30\x75\x30" + whole[sof + 9:]  # 30000 x 30000
    sos = whole.index(b"\xff\xda")
    truncated = whole[:sos + 2 + whole[sos + 2] * 256 + whole[sos + 3]]
    for name, data, message in (("huge", huge, "too large"), ("truncated", truncated, "")):
        with open(path, "wb") as f:
            f.write(data)
        (refused,) = s.run(["wait-idle", "select 0", "command 40302", "wait 300", "state", "quit"])
        check(refused["window"].get("displayStyle") != RED_EYE_STYLE and not refused.get("redEye", {}).get("active"),
              "%s: the mode ends at once %s" % (name, refused["window"]))
        check(any(message in m for m in refused.get("messages", [])), "%s: a message says why %s"
              % (name, refused.get("messages")))
        check(open(path, "rb").read() == data, "%s: the picture is unchanged" % name)
        check(sorted(os.listdir(s.samples)) == ["eye.jpg"], "%s: no other file %s" % (name, os.listdir(s.samples)))


def cancel_and_two_pictures(s):
    make_eye(s.samples, "eye2.jpg")
    before = open(os.path.join(s.samples, "eye.jpg"), "rb").read()
    left, two = s.run(["wait-idle", "select 0", "command 40302", "button Cancel", "state", "select 0,1",
                       "command 40302", "wait 200", "state", "quit"])
    check(left["window"]["displayStyle"] != RED_EYE_STYLE and not left["redEye"]["active"],
          "Cancel leaves the mode %s" % left["window"])
    check(two["window"]["displayStyle"] != RED_EYE_STYLE, "two pictures: the mode ends at once %s" % two["window"])
    check(open(os.path.join(s.samples, "eye.jpg"), "rb").read() == before, "the picture is unchanged")
    check(sorted(os.listdir(s.samples)) == ["eye.jpg", "eye2.jpg"], "no file written %s" % os.listdir(s.samples))


def main():
    return sw.run_scenarios([drag_remove_and_save, failed_save_keeps_the_mode,
                             damaged_or_huge_picture_is_refused, cancel_and_two_pictures], ("cjpeg", "exiftool"),
                            prepare=only_the_eye)


if __name__ == "__main__":
    sys.exit(main())
