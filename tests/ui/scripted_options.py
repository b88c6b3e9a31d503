#!/usr/bin/env python3
"""The options pages (F9) on the real window: values typed and stored by OK,
"at once" values put back by Cancel, the list extension normalised (the
window's list after the rescan compared with vistello-cli list), a picture
extension refused, the colour sanity rule, and the picture format list.
Usage: scripted_options.py VISTELLO VISTELLO_CLI. Exit 77 means skipped."""
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

import scripted_window as sw
from scripted_window import check

SETTINGS, ADVANCED, COLOURS, PROFILE, FORMATS = 0x80, 0x100, 0x200, 0x2000, 0x8000


def settings_file(s):
    return os.path.join(s.home, "vistello_LE.xml")


def stored(s):
    """The settings file as the program wrote it, parsed as XML."""
    root = ET.parse(settings_file(s)).getroot()
    return {c.get("Attr"): c.text for c in root.iter("c")}


def open_page(s, style):
    """The next F9 opens this page: "OptionsSelection" holds its bit number."""
    path = settings_file(s)
    text = open(path, encoding="utf-8-sig").read() if os.path.exists(path) else \
        '<?xml version="1.0" encoding="UTF-8"?>\n<Document>\n <Settings>\n </Settings>\n</Document>\n'
    text = re.sub(r'\s*<c Attr="OptionsSelection"[^<]*</c>', "", text)
    entry = '  <c Attr="OptionsSelection" Type="int">%d</c>\n' % (style.bit_length() - 1)
    text = text.replace(" </Settings>", entry + " </Settings>", 1)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def cli_list(s, *args):
    done = subprocess.run([sw.CLI, "list"] + list(args) + [s.samples], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True)
    check(done.returncode == 0, "vistello-cli list: %s" % done.stderr)
    return done.stdout.splitlines()


def options_pages(s):
    # Settings: the delay typed is stored by OK.
    open_page(s, SETTINGS)
    opened, done = s.run(["key F9", "state", "fill Auto show delay=7", "answer yes", "tick Save original off",
                          "button OK", "state", "quit"])
    check(opened["window"]["displayStyle"] == SETTINGS, "F9 opens the settings page %s" % opened["window"])
    values = stored(s)
    check(values.get("AutoShowDelay") == "7", "auto show delay stored: %s" % values.get("AutoShowDelay"))
    question = ('This function saves the original picture with the file extension ".original".\n'
                'Are you sure to deactivate this function?')
    check(any(question in m for m in done.get("messages", [])), "keeping originals off is asked %s"
          % done.get("messages"))
    check(values.get("CopyOriginal") == "false", "Yes stops keeping originals: %s" % values.get("CopyOriginal"))

    # Orientation unticked, then Cancel: put back, nothing read anew.
    open_page(s, SETTINGS)
    unticked, cancelled = s.run(["key F9", "tick Rotate automatically off", "state", "button Cancel", "state",
                                 "quit"])
    check(cancelled["window"]["displayStyle"] == 1, "Cancel leaves the options %s" % cancelled["window"])
    check(cancelled["options"]["refreshes"] == 0, "Cancel reads nothing anew %s" % cancelled["options"])
    check(stored(s).get("Orientation") == "true", "orientation put back: %s" % stored(s).get("Orientation"))

    # Advanced: picture cache 0 stores the validated default; ".jpg" is
    # refused with the old value kept; "txt" becomes ".txt" and the
    # folder's .txt list joins the list after one rescan.
    elsewhere = os.path.join(s.root, "elsewhere")
    os.makedirs(elsewhere)
    first = sorted(n for n in os.listdir(s.samples) if n.lower().endswith(".jpg"))[0]
    listed = os.path.join(elsewhere, "listed.jpg")
    shutil.copyfile(os.path.join(s.samples, first), listed)
    with open(os.path.join(s.samples, "trip.txt"), "w") as f:
        f.write('"%s" , "listed"\n' % listed)
    open_page(s, ADVANCED)
    before, refused, after = s.run(["key F9", "state", "fill Size for picture cache=0",
                                    "fill Picture list file extension=.jpg", "button OK", "state",
                                    "fill Picture list file extension=txt", "button OK", "wait-idle", "state",
                                    "quit"])
    check(any("cannot name picture lists" in m for m in refused.get("messages", [])),
          ".jpg is refused %s" % refused.get("messages"))
    check(refused["window"]["displayStyle"] == ADVANCED, "the page stays after the refusal %s" % refused["window"])
    check(after["window"]["displayStyle"] == 1, "OK leaves the options %s" % after["window"])
    values = stored(s)
    check(values.get("PictureCacheSize") == "4", "picture cache 0 stored as 4: %s" % values.get("PictureCacheSize"))
    check(values.get("PictureListExtension") == ".txt", "extension stored: %s" % values.get("PictureListExtension"))
    check(after["options"]["refreshes"] == 1, "one rescan %s" % after["options"])
    expected = cli_list(s, "-e", ".txt")
    check(listed in expected and len(expected) == before["list"]["count"] + 1, "vistello-cli reads the list %s" % expected)
    check(after["list"]["count"] == len(expected),
          "the listed picture joined: %d -> %d" % (before["list"]["count"], after["list"]["count"]))

    # Colours: the background set to the text colour turns the text into
    # its complement; Cancel puts both back.
    open_page(s, COLOURS)
    shown, = s.run(["key F9", "state", "quit"])
    colours = shown["options"]["colours"]
    check((colours["text"], colours["background"]) == (0, 0xFFFFFF), "black on white %s" % colours)
    x, y = colours["buttons"][1]
    open_page(s, COLOURS)
    chosen, cancelled = s.run(["key F9", "answer #000000", "click %d %d" % (x, y), "state", "button Cancel",
                               "state", "quit"])
    got = chosen["options"]["colours"]
    check((got["text"], got["background"]) == (0xFFFFFF, 0), "white on black after the choice %s" % got)
    back = cancelled["options"]["colours"]
    check((back["text"], back["background"]) == (0, 0xFFFFFF), "Cancel restores both %s" % back)
    values = stored(s)
    check((values.get("TextColor"), values.get("BackgroundColor")) == ("0", "16777215"),
          "stored colours unchanged %s" % [values.get("TextColor"), values.get("BackgroundColor")])

    # Colour profile: a used profile needs a file name.
    open_page(s, PROFILE)
    refused, = s.run(["key F9", "tick Color profile for Display on", "button OK", "state", "quit"])
    check("Enter a file name." in "\n".join(refused.get("messages", [])), "empty name refused %s"
          % refused.get("messages"))
    check(refused["window"]["displayStyle"] == PROFILE, "the page stays %s" % refused["window"])

    # Picture formats.
    open_page(s, FORMATS)
    formats, = s.run(["key F9", "state", "quit"])
    rows = {r[0]: r for r in formats["options"]["formats"]}
    check(rows.get(".jpg", [None])[1:3] == ["intern", "Read and write"], "JPEG listed %s" % rows.get(".jpg"))
    check(".bmp" in rows, "BMP listed %s" % sorted(rows))


def main():
    return sw.run_scenarios([options_pages])


if __name__ == "__main__":
    sys.exit(main())
