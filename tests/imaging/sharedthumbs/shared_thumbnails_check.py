#!/usr/bin/env python3
"""The shared thumbnails vistello-cli thumbs writes, read as another program
of the desktop reads them: the name is the MD5 of the file URI (spelt by
Python's own quoting), the PNG's text chunks carry Thumb::URI and
Thumb::MTime, the file is 0600 in folders of 0700, and GLib (`gio info`,
where installed) finds them valid. A thumbnail this script writes by the
standard is used without decoding the picture, and touching a picture makes
its thumbnail stale.

Usage: shared_thumbnails_check.py VISTELLO_CLI
Exit 77 (skipped) without ImageMagick, unless CI=true."""
import hashlib
import os
import shutil
import stat
import struct
import subprocess
import sys
import tempfile
import urllib.parse
import zlib

SKIP = 77
ON_CI = os.environ.get("CI") == "true"


def need(tool):
    if shutil.which(tool):
        return True
    if ON_CI:
        sys.exit(f"{tool} is required when CI=true")
    return False


def file_uri(path):
    # The bytes the desktop keeps in a path; everything else is %XX.
    return "file://" + urllib.parse.quote(os.path.abspath(path), safe="/!$&'()*+,=:@")


def png_chunks(path):
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", f"{path}: not a PNG"
    pos, chunks = 8, []
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunks.append((kind, data[pos + 8:pos + 8 + length]))
        pos += 12 + length
    return chunks


def png_texts(path):
    texts = {}
    for kind, body in png_chunks(path):
        if kind == b"tEXt":
            key, value = body.split(b"\0", 1)
        elif kind == b"zTXt":
            key, rest = body.split(b"\0", 1)
            value = zlib.decompress(rest[1:])
        elif kind == b"iTXt":
            key, rest = body.split(b"\0", 1)
            compressed, rest = rest[0], rest[2:]
            _lang, _translated, value = rest.split(b"\0", 2)
            value = zlib.decompress(value) if compressed else value
        else:
            continue
        texts[key.decode("latin-1")] = value.decode("utf-8")
    return texts


def png_size(path):
    kind, body = png_chunks(path)[0]
    assert kind == b"IHDR"
    return struct.unpack(">II", body[:8])


def write_png(path, width, height, rgb, texts):
    """A thumbnail as another program of the desktop writes it."""
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    body = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    for key, value in texts.items():
        body += chunk(b"tEXt", key.encode("latin-1") + b"\0" + value.encode("utf-8"))
    body += chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")
    temporary = path + ".part"
    with open(temporary, "wb") as f:
        f.write(body)
    os.chmod(temporary, 0o600)
    os.rename(temporary, path)


def mode(path):
    return stat.S_IMODE(os.stat(path).st_mode)


def main():
    cli = sys.argv[1]
    if not need("convert"):
        print("ImageMagick's convert is not installed: skipped")
        return SKIP
    failures = []

    def check(condition, message):
        if not condition:
            failures.append(message)
            print("FAIL:", message)

    work = tempfile.mkdtemp(prefix="vistello-shared-")
    try:
        env = dict(os.environ, XDG_CACHE_HOME=os.path.join(work, "cache"))
        root = os.path.join(work, "cache", "thumbnails")
        pictures = os.path.join(work, "pictures")
        os.makedirs(pictures)
        ours = [os.path.join(pictures, "a.jpg"), os.path.join(pictures, "b c \u00e4#;.jpg")]
        for i, path in enumerate(ours):
            subprocess.run(["convert", "-size", "400x300" if i == 0 else "300x400", "gradient:red-blue",
                            "-strip", path], check=True)
        theirs = os.path.join(pictures, "z-other.jpg")
        with open(theirs, "wb") as f:
            f.write(b"nothing any decoder could read")

        def thumbs():
            out = os.path.join(work, "out")
            shutil.rmtree(out, ignore_errors=True)
            run = subprocess.run([cli, "thumbs", pictures, "-o", out], env=env, capture_output=True, text=True)
            return run, out

        run, _ = thumbs()
        check("from shared cache 0, embedded thumbnail 0, decoded 2, unreadable 1" in run.stdout, run.stdout)
        check(mode(root) == 0o700 and mode(os.path.join(root, "normal")) == 0o700, "folders are 0700")
        for path in ours:
            uri = file_uri(path)
            thumbnail = os.path.join(root, "normal", hashlib.md5(uri.encode()).hexdigest() + ".png")
            if not os.path.exists(thumbnail):
                check(False, f"no thumbnail at {thumbnail} for {uri}")
                continue
            check(mode(thumbnail) == 0o600, f"{thumbnail} is 0600")
            texts = png_texts(thumbnail)
            check(texts.get("Thumb::URI") == uri, f"Thumb::URI {texts.get('Thumb::URI')!r} is {uri!r}")
            check(texts.get("Thumb::MTime") == str(int(os.stat(path).st_mtime)), "Thumb::MTime is the mtime")
            check(max(png_size(thumbnail)) == 128, f"normal thumbnails are 128 px: {png_size(thumbnail)}")
            if shutil.which("gio"):
                info = subprocess.run(["gio", "info", "-a", "thumbnail::path,thumbnail::is-valid", path],
                                      env=env, capture_output=True, text=True).stdout
                check(f"thumbnail::path: {thumbnail}" in info, f"gio finds our thumbnail: {info}")
                check("thumbnail::is-valid: TRUE" in info, f"gio takes it for valid: {info}")
            elif ON_CI:
                check(False, "gio is required when CI=true")
        check(len(os.listdir(os.path.join(root, "fail", "vistello-le"))) == 1, "the unreadable file is recorded")

        # Another program's thumbnail of a file we cannot decode at all.
        uri = file_uri(theirs)
        write_png(os.path.join(root, "normal", hashlib.md5(uri.encode()).hexdigest() + ".png"), 128, 64, (0, 200, 0),
                  {"Thumb::URI": uri, "Thumb::MTime": str(int(os.stat(theirs).st_mtime))})
        run, out = thumbs()
        check(run.returncode == 0, f"every tile made: {run.stderr}")
        check("from shared cache 3, embedded thumbnail 0, decoded 0, unreadable 0" in run.stdout, run.stdout)
        pixel = subprocess.run(["convert", os.path.join(out, "0002.png"), "-format", "%[pixel:p{40,40}]", "info:"],
                               capture_output=True, text=True).stdout
        check(pixel.replace(" ", "") in ("srgb(0,200,0)", "rgb(0,200,0)"), f"the other program's green: {pixel}")

        # A touched picture's thumbnail is stale: made anew.
        later = os.stat(ours[0]).st_mtime + 10
        os.utime(ours[0], (later, later))
        run, _ = thumbs()
        check("from shared cache 2, embedded thumbnail 0, decoded 1, unreadable 0" in run.stdout, run.stdout)
        thumbnail = os.path.join(root, "normal", hashlib.md5(file_uri(ours[0]).encode()).hexdigest() + ".png")
        check(png_texts(thumbnail).get("Thumb::MTime") == str(int(later)), "the new thumbnail has the new mtime")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("FAILED" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
