#!/usr/bin/env bash
# Writes the transform fuzzer's seeds: an operation byte followed by a small
# JPEG of each layout the engine handles, and a camera-like picture with an
# EXIF thumbnail made by vistello-cli make-samples. Needs cjpeg and
# ImageMagick; the path of vistello-cli is the first argument.
set -euo pipefail
cli="$1"
out="$(dirname "$0")/transform"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
convert -size 40x27 gradient:red-blue "$work/in.ppm"
seed() { { printf "\\x$1"; cat "$2"; } > "$out/$3"; }
cjpeg -sample 2x2 "$work/in.ppm" > "$work/a.jpg";          seed 15 "$work/a.jpg" rotate90_grey.jpg
cjpeg -sample 2x1 -progressive "$work/in.ppm" > "$work/b.jpg"; seed 01 "$work/b.jpg" fliph_progressive.jpg
cjpeg -sample 1x2 -restart 1B "$work/in.ppm" > "$work/c.jpg";  seed 26 "$work/c.jpg" crop_rotate180_restart.jpg
cjpeg -arithmetic "$work/in.ppm" > "$work/d.jpg";          seed 04 "$work/d.jpg" transverse_arithmetic.jpg
cjpeg -grayscale "$work/in.ppm" > "$work/e.jpg";           seed 03 "$work/e.jpg" transpose_grey.jpg
convert "$work/in.ppm" -colorspace CMYK "$work/f.jpg";     seed 07 "$work/f.jpg" rotate270_cmyk.jpg
"$cli" make-samples "$work/samples" > /dev/null
smallest="$(ls -S "$work"/samples/*.jpg | tail -n 1)"
seed 55 "$smallest" auto_thumbnails_exif.jpg
head -c 400 "$work/a.jpg" > "$work/t.jpg";                 seed 06 "$work/t.jpg" truncated.jpg
