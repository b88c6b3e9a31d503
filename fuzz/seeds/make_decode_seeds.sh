#!/usr/bin/env bash
# Writes the decode fuzzer's seeds: tiny JPEGs of every kind the decoder
# handles (baseline, progressive, grey, CMYK with the Adobe marker, 4:4:4,
# an embedded colour profile, a truncated file). Needs ImageMagick and jpgicc.
set -euo pipefail
out="$(dirname "$0")/decode"
mkdir -p "$out"
gradient=(-size 24x16 gradient:red-blue)
convert "${gradient[@]}" -quality 80 "$out/baseline.jpg"
convert "${gradient[@]}" -quality 80 -interlace Plane "$out/progressive.jpg"
convert "${gradient[@]}" -colorspace Gray -quality 80 "$out/grey.jpg"
convert "${gradient[@]}" -colorspace CMYK -quality 80 "$out/cmyk_adobe.jpg"
convert "${gradient[@]}" -sampling-factor 1x1 -quality 90 "$out/yuv444.jpg"
jpgicc -e "$out/baseline.jpg" "$out/with_profile.jpg"
head -c 300 "$out/baseline.jpg" > "$out/truncated.jpg"
