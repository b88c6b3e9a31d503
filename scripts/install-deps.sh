#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only missing packages are installed; a second run does nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  libjpeg62-turbo-dev liblcms2-dev libpcre2-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev ffmpeg
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev lld
  libjpeg-turbo-progs exiv2 libimage-exiftool-perl imagemagick libvips-tools liblcms2-utils
  xvfb xauth desktop-file-utils xxd file perl python3 findutils grep coreutils libc-bin
  libglib2.0-bin gsettings-desktop-schemas
)
if [ "${1:-}" = "--runtime-only" ]; then
  packages=(cmake ninja-build g++ ccache pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
            libgl-dev libjpeg62-turbo-dev liblcms2-dev libpcre2-dev
            libavformat-dev libavcodec-dev libswscale-dev libavutil-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Not root and no sudo: install ${missing[*]} by hand." >&2; exit 1; }
  sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
