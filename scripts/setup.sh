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
    # the Windows program: MinGW-w64 for 32 and 64 bits, GoogleTest's sources
    # to build for Windows, and Wine with its fonts to run the 64-bit build
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 googletest wine64 fonts-wine
    # checks of the desktop entry and the metainfo
    cpp desktop-file-utils appstream
    # the Debian package and its checks, the hardening check
    dpkg-dev file lintian devscripts
    # benchmarks
    libbenchmark-dev heaptrack libx11-dev
    # a real X server with a window manager, for screenshots and desktop tests
    xvfb xauth openbox xdotool wmctrl xclip x11-utils imagemagick
    # assistive technology: a private D-Bus session, the AT-SPI registry and a Python client
    dbus-daemon at-spi2-core python3-pyatspi
    # a Wayland compositor with XWayland, and Qt's Wayland platform
    weston xwayland qt6-wayland
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
