#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Trimvale need.
# Quick when nothing is missing: it asks dpkg first and calls apt-get only for
# what is not installed yet.
set -euo pipefail

packages=(
    # build
    cmake g++ ninja-build pkg-config
    libgtest-dev
    qt6-base-dev
    # fonts that stand in for the Windows faces the windows are designed for
    fontconfig fonts-liberation fonts-urw-base35
    # checks of the Windows resource, the desktop entry and the metainfo
    binutils-mingw-w64-i686 cpp desktop-file-utils appstream
    # the Debian package and its checks, the hardening check
    dpkg-dev file lintian devscripts
    # benchmarks
    libbenchmark-dev heaptrack
    # a real X server with a window manager, for screenshots and desktop tests
    xvfb xauth openbox xdotool wmctrl xclip x11-utils imagemagick
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == installed ]] || missing+=("$package")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
