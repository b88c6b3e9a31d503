#!/usr/bin/env python3
"""Scores `vistello-cli makernote --raw` against `exiftool -v2 -n` on the
camera samples with maker notes.

Pairs are (file, kind, tag) entries that exiftool lists directly in a maker
note we decode (for Canon also the camera-settings and shot-information
arrays, element by element). For each pair the stored value is compared
with exiftool's raw value, and every pair whose tag is named in PART_NAMES
must have a row with that name. Notes left undecoded on purpose (Casio
"QVC", Olympus "OLYMPUS\\0II", other makers) must give no rows at all.

Usage: score_makernotes.py CLI SAMPLES_DIR [--verbose]
Exit 0 when both targets are met, 1 when not, 77 (skipped) when the samples
or exiftool are absent.
"""
import os
import re
import shutil
import subprocess
import sys

SKIP = 77
RAW_TARGET = 0.98
NAME_TARGET = 1.0

# exiftool's maker-note directory name -> our kind; None: a layout we do not decode.
MAKER_KINDS = {
    "MakerNoteCanon": 7,
    "MakerNoteNikon": 12,   # "Nikon" header with a TIFF header: read with the tags of the note without header
    "MakerNoteNikon2": 11,  # "Nikon" header, early cameras
    "MakerNoteNikon3": 12,  # no header
    "MakerNoteOlympus": 13,
    "MakerNoteCasio": 14,
    "MakerNoteFujiFilm": 15,
    "MakerNoteOlympus2": None,  # "OLYMPUS\0II"
    "MakerNoteCasio2": None,    # "QVC\0"
}
# Make prefixes whose notes are decoded; any other camera's note stays plain.
DECODED_MAKES = ("Canon", "NIKON", "OLYMPUS", "CASIO", "FUJI")
# Canon arrays scored element by element: note tag -> array kind.
CANON_ARRAYS = {0x0001: 8, 0x0004: 9}

# The names of the maker-note tags, by kind.
PART_NAMES = {
    7: {  # Canon maker note
        0x0006: "Image type",
        0x0007: "Firmware version",
        0x0008: "Image Number",
        0x0009: "Owner name",
        0x000C: "Camera serial number",
    },
    8: {  # Canon camera settings (array elements)
        0x0001: "Macro mode",
        0x0002: "Self-timer length",
        0x0003: "Quality",
        0x0004: "Flash mode",
        0x0005: "Continuous drive mode",
        0x0007: "Focus Mode",
        0x000A: "Image size",
        0x000B: "Easy shooting mode",
        0x000C: "Digital Zoom",
        0x000D: "Contrast",
        0x000E: "Saturation",
        0x000F: "Sharpness",
        0x0010: "ISO",
        0x0011: "Metering mode",
        0x0012: "Focus type",
        0x0013: "AF point selected",
        0x0014: "Exposure mode",
        0x0017: "long focal length of lens (in focal units)",
        0x0018: "short focal length of lens (in focal units)",
        0x0019: "focal units per mm",
        0x001C: "Flash Activity",
        0x001D: "Flash details",
        0x0020: "Focus mode",
    },
    9: {  # Canon shot information
        0x0007: "White balance",
        0x0009: "Sequence number",
        0x000E: "AF point used",
        0x000F: "Flash bias",
        0x0013: "Subject Distance",
    },
    10: {  # Canon custom functions
        0x0001: "Long exposure noise reduction",
        0x0002: "Shutter/AE-lock buttons",
        0x0003: "Mirror lockup",
        0x0004: "Tv/Av and exposure level",
        0x0005: "AF-assist light",
        0x0006: "Shutter speed in Av mode",
        0x0007: "AEB sequence/auto cancellation",
        0x0008: "Shutter curtain sync",
        0x0009: "Lens AF stop button Fn. Switch",
        0x000A: "Auto reduction of fill flash",
        0x000B: "Menu button return position",
        0x000C: "SET button func. when shooting",
        0x000D: "Sensor cleaning",
    },
    11: {  # Nikon note with header
        0x0003: "Quality",
        0x0004: "Color Mode",
        0x0005: "Image Adjustment",
        0x0006: "CCD Sensitivity",
        0x0007: "White balance",
        0x0008: "Focus",
        0x000A: "Digital Zoom",
        0x000B: "Converter",
    },
    12: {  # Nikon note without header
        0x0001: "Version",
        0x0002: "ISO Setting",
        0x0003: "ColorMode",
        0x0004: "Quality",
        0x0005: "Whitebalance",
        0x0006: "Image Sharpening",
        0x0007: "Focus Mode",
        0x0008: "Flash Setting",
        0x0009: "Flash Type",
        0x000F: "ISO Selection",
        0x0080: "Image Adjustment",
        0x0081: "Tone comp",
        0x0082: "Adapter",
        0x0084: "Lens type",
        0x0085: "Manual Focus Distance",
        0x0086: "Digital Zoom",
        0x0088: "AF Focus Position",
    },
    13: {  # Olympus
        0x0200: "Special mode",
        0x0201: "Jpeg quality",
        0x0202: "Macro",
        0x0204: "Digital zoom",
        0x0207: "Software release",
        0x0208: "Picture info",
        0x0209: "Camera ID",
    },
    14: {  # Casio
        0x0001: "Recording mode",
        0x0002: "Quality",
        0x0003: "Focusing Mode",
        0x0004: "Flash Mode",
        0x0005: "Flash Intensity",
        0x0006: "Object distance",
        0x0007: "White Balance",
        0x000A: "Digital Zoom",
        0x000B: "Sharpness",
        0x000C: "Contrast",
        0x000D: "Saturation",
        0x0014: "CCD Sensitivity",
        0x0016: "Enhancement",
        0x0017: "Filter",
        0x0018: "Focus Frame Location",
        0x0019: "Flash Intensity",
        0x0100: "Metering Mode",
        0x0101: "EV Shift",
        0x0102: "Shutter Speed",
        0x0103: "Aperture",
        0x0104: "Recording Mode",
        0x0105: "Composition Frame",
        0x0106: "Exposure Mode",
    },
    15: {  # Fuji
        0x0000: "Version",
        0x1000: "Quality",
        0x1001: "Sharpness",
        0x1002: "White balance",
        0x1003: "Color",
        0x1004: "Tone",
        0x1010: "Flash Mode",
        0x1011: "Flash Strength in APEX(EV)",
        0x1020: "Macro",
        0x1021: "Focus mode",
        0x1030: "Slow sync",
        0x1031: "Picture mode",
        0x1100: "Cont. taking/bracket",
        0x1300: "Blur warning",
        0x1301: "Focus warning",
        0x1302: "AE warning",
    },
}
assert sum(len(t) for t in PART_NAMES.values()) == 117

FORMAT_BITS = {"int8u": 8, "int8s": 8, "int16u": 16, "int16s": 16, "int32u": 32, "int32s": 32}

ENTRY = re.compile(r"^\d+\)\s+(\S+) (?:= (.*)|\(SubDirectory\) -->)$")
ARRAY_ITEM = re.compile(r"^(\S+) = (.*)$")
TAG = re.compile(r"^- Tag 0x([0-9a-f]{4}) \((\d+) bytes, (\w+)\[(\d+)\](?: read as (\w+)\[(\d+)\])?")
MAKE = re.compile(r"^\d+\)\s+Make = (.*)$")
NOTE = re.compile(r"^\d+\)\s+(MakerNote\w+) \(SubDirectory\) -->$")


def split_depth(line):
    """Nesting depth ("| " groups) and the rest of one verbose line."""
    depth = 0
    rest = line[2:] if line.startswith("  ") else line
    while rest.startswith("| "):
        depth += 1
        rest = rest[2:]
    return depth, rest.lstrip(" ")  # trailing blanks belong to string values


def exiftool_pairs(path):
    """Maker, Make, the list of (kind, tag, (stored, shown format), value)
    exiftool reports, the note's byte order and whether exiftool had to
    move the note's offsets (a note another program moved without them)."""
    out = subprocess.run(["exiftool", "-v2", "-n", path], capture_output=True).stdout.decode("latin-1")
    lines = out.split("\n")
    make = ""
    little = "ExifByteOrder = II" in out
    relocated = "Adjusted MakerNotes base" in out
    maker = None
    pairs = []
    i = 0
    note_depth = None
    while i < len(lines):
        depth, rest = split_depth(lines[i])
        m = MAKE.match(rest)
        if m and not make:
            make = m.group(1)
        m = NOTE.match(rest)
        if m and maker is None:
            maker = m.group(1)
            note_depth = depth
            i += 1
            continue
        if note_depth is not None and depth == note_depth + 1:
            e = ENTRY.match(rest)
            t = TAG.match(split_depth(lines[i + 1])[1]) if e and i + 1 < len(lines) else None
            if e and t:
                kind = MAKER_KINDS.get(maker)
                tag = int(t.group(1), 16)
                fmt = (t.group(3), t.group(5) or t.group(3))
                if e.group(2) is None:
                    pairs.append((kind, tag, "subdirectory", None))
                    if kind == 7 and tag in CANON_ARRAYS:
                        i = read_canon_array(lines, i + 2, depth, CANON_ARRAYS[tag], pairs)
                        continue
                else:
                    pairs.append((kind, tag, fmt, e.group(2)))
                i += 2
                continue
        if note_depth is not None and depth <= note_depth and not rest.startswith("+ [MakerNotes") and \
                not rest.startswith("- Tag 0x927c"):
            note_depth = None
        i += 1
    if maker == "MakerNoteFujiFilm":
        little = True
    return maker, make, pairs, little, relocated


def read_canon_array(lines, i, depth, kind, pairs):
    """The items of a Canon array's BinaryData block; returns the next line."""
    if i >= len(lines) or "[BinaryData directory" not in lines[i]:
        return i
    i += 1
    while i + 1 < len(lines):
        d, rest = split_depth(lines[i])
        if d != depth + 1:
            break
        item = ARRAY_ITEM.match(rest)
        tag = TAG.match(split_depth(lines[i + 1])[1])
        if not item or not tag:
            break
        pairs.append((kind, int(tag.group(1), 16), (tag.group(3), tag.group(5) or tag.group(3)), item.group(2)))
        i += 2
    return i


def our_rows(cli, path):
    run = subprocess.run([cli, "makernote", "--raw", path], capture_output=True)
    rows = []
    for line in run.stdout.decode("utf-8", "replace").split("\n"):
        parts = line.split("\t")
        if len(parts) == 5:
            rows.append((int(parts[0]), int(parts[1], 16), parts[2], parts[3], parts[4]))
    return rows


def numbers(text):
    return [int(x) for x in text.split()] if text.strip() else []


SIZES = {"int8u": 1, "int8s": 1, "int16u": 2, "int16s": 2, "int32u": 4, "int32s": 4, "undef": 1, "string": 1}


def stored_bytes(raw, stored, little):
    """Our raw numbers back as the bytes of the stored format."""
    size = SIZES.get(stored, 1)
    order = "little" if little else "big"
    return b"".join((n & ((1 << 8 * size) - 1)).to_bytes(size, order) for n in numbers(raw))


def shown_numbers(data, shown, little):
    size = SIZES[shown]
    order = "little" if little else "big"
    return [int.from_bytes(data[i:i + size], order) for i in range(0, len(data) - size + 1, size)]


def exiftool_text(data, string):
    """Bytes as exiftool's verbose line shows them: strings end at the first
    NUL, other values drop their NULs; control and non-ASCII bytes are "."."""
    data = data.split(b"\0", 1)[0] if string else data.replace(b"\0", b"")
    return "".join(chr(c) if 0x20 <= c < 0x7F else "." for c in data)


def agrees(fmt, theirs, raw, little):
    stored, shown = fmt
    if theirs.startswith("(Binary data"):
        m = re.match(r"\(Binary data (\d+) bytes", theirs)
        return m is not None and int(m.group(1)) == len(stored_bytes(raw, stored, little))
    snipped = theirs.endswith("[snip]")
    if snipped:
        theirs = theirs[: -len("[snip]")]
    if stored.startswith("rational"):
        m = re.search(r"\(([-\d/ ]+)\)$", theirs)
        have = [tuple(int(x) for x in r.split("/")) for r in raw.split()]
        if m:
            want = [tuple(int(x) & 0xFFFFFFFF for x in r.split("/")) for r in m.group(1).split()]
            return have == want
        try:
            want = [float(x) for x in theirs.split()]
        except ValueError:
            return False
        signed = stored.endswith("s")
        quot = []
        for n, d in have:
            if signed:
                n, d = (n ^ 0x80000000) - 0x80000000, (d ^ 0x80000000) - 0x80000000
            quot.append(n / d if d else 0.0)
        return len(quot) == len(want) and all(abs(a - b) <= 1e-6 * max(1.0, abs(b)) for a, b in zip(quot, want))
    data = stored_bytes(raw, stored, little)
    if shown in FORMAT_BITS:
        mask = (1 << FORMAT_BITS[shown]) - 1
        tokens = theirs.split()
        if snipped and tokens:
            tokens = tokens[:-1]  # the last number may be cut
        try:
            want = [int(x) & mask for x in tokens]
        except ValueError:
            return False
        have = shown_numbers(data, shown, little)
        return have[: len(want)] == want if snipped else have == want
    text = exiftool_text(data, string=shown == "string").rstrip(" ")
    theirs = theirs.rstrip(" ")
    return text.startswith(theirs) if snipped else text == theirs


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    verbose = "--verbose" in sys.argv
    if len(args) != 2:
        print(__doc__)
        return 2
    cli, samples = args
    if not os.path.isdir(samples) or shutil.which("exiftool") is None:
        print("skipped: the camera samples or exiftool are not available")
        return 1 if os.environ.get("CI", "").lower() == "true" else SKIP
    files = sorted(os.path.join(d, f) for d, _, fs in os.walk(samples) for f in fs if f.lower().endswith((".jpg", ".jpeg")))
    raw_total = raw_good = name_total = name_good = 0
    failures = []
    relocated_notes = []
    per_kind = {}
    for path in files:
        maker, make, pairs, little, relocated = exiftool_pairs(path)
        rows = our_rows(cli, path)
        decodable = maker is not None and MAKER_KINDS.get(maker) is not None and make.startswith(DECODED_MAKES)
        if decodable and relocated:
            # Another program moved the note without its offsets: read with the adjusted base.
            relocated_notes.append(f"{os.path.basename(path)} ({len(pairs)} entries)")
        if not decodable:
            if rows:
                failures.append(f"{path}: {len(rows)} rows from a note that is not decoded")
            continue
        if not rows:
            failures.append(f"{path}: the {maker} note was not decoded")
        ours = {}
        for kind, tag, name, _, raw in rows:
            ours.setdefault((kind, tag), []).append((name, raw))
        seen = {}
        for kind, tag, fmt, theirs in pairs:
            k = seen.get((kind, tag), 0)
            seen[(kind, tag)] = k + 1
            mine = ours.get((kind, tag), [])
            row = mine[k] if k < len(mine) else None
            expected = PART_NAMES.get(kind, {}).get(tag)
            if expected is not None:
                name_total += 1
                if row is not None and row[0] == expected:
                    name_good += 1
                else:
                    failures.append(f"{path}: no row named {expected!r} for kind {kind} tag 0x{tag:04X}")
            if fmt == "subdirectory":
                continue
            raw_total += 1
            per_kind[kind] = per_kind.get(kind, 0) + 1
            if row is not None and agrees(fmt, theirs, row[1], little):
                raw_good += 1
            elif verbose:
                print(f"differs {os.path.basename(path)} kind {kind} tag 0x{tag:04X} {fmt[1]}: "
                      f"exiftool {theirs[:60]!r} ours {row[1][:60] if row else None!r}")
    raw_share = raw_good / raw_total if raw_total else 0.0
    name_share = name_good / name_total if name_total else 0.0
    print(f"raw values: {raw_good}/{raw_total} = {100 * raw_share:.2f} %")
    print(f"named pairs: {name_good}/{name_total} = {100 * name_share:.2f} %")
    print("value pairs by kind: " + ", ".join(f"{k}: {n}" for k, n in sorted(per_kind.items())))
    if relocated_notes:
        print("read with an adjusted base: " + ", ".join(relocated_notes))
    for f in failures:
        print(f)
    ok = raw_share >= RAW_TARGET and name_share >= NAME_TARGET and not failures
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
