#!/usr/bin/env bash
# Installs the Debian packages that Trimvale needs, by purpose:
#
#     bash scripts/setup.sh [GROUP...]
#
#   program   build and run the Linux program (the README's run command)
#   windows   build Trimvale.exe with MinGW-w64
#   web       build trimvale.html with emscripten, and the three browser
#             engines to test it in
#   release   make a release (scripts/release.sh): what builds the three
#             programs, and the Debian package's tools
#   tests     run the tests and checks: on top of the three above, Wine, the X
#             and Wayland servers, the accessibility stack, the packaging checks
#
# With no group, all of them. Quick when nothing is missing: it asks dpkg
# first and calls apt-get only for what is not installed yet.
set -euo pipefail

program=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev
    # the system's font configuration, read while the toolkit connects to the display
    libfontconfig-dev
    # Qt's Wayland platform, so that the program runs natively on Wayland desktops
    qt6-wayland
    # fonts that stand in for the Windows faces the windows are designed for
    fontconfig fonts-liberation fonts-urw-base35
)
windows=(
    cmake ninja-build
    # MinGW-w64 for 32 and 64 bits, and GoogleTest's sources to build its tests
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 googletest
)
web_build=(
    cmake ninja-build
    # the compiler, and the faces the page carries, cut down with fontTools
    emscripten fonts-liberation fonts-urw-base35 python3-fonttools python3-brotli
)
# Node.js runs the compiler's last step and the page's tests: Debian's, where
# the machine has none of its own.
command -v node >/dev/null || web_build+=(nodejs)
command -v npm >/dev/null || web_build+=(npm)
web=(
    "${web_build[@]}"
    # the browsers the page's tests run in: Chromium, Firefox, and WebKitGTK's
    # MiniBrowser with its WebDriver
    chromium firefox-esr webkit2gtk-driver
)
release=(
    # the Debian package's dependencies, found by cpack, and its packing
    dpkg-dev file
)
tests=(
    libgtest-dev
    # Wine with its fonts, to run the Windows program and its tests
    wine64 fonts-wine
    # checks of the desktop entry, the metainfo and the version resource
    cpp desktop-file-utils appstream
    # the Debian package and its checks, the hardening check
    dpkg-dev file lintian devscripts
    # benchmarks
    libbenchmark-dev heaptrack libx11-dev
    # a real X server with a window manager, for screenshots and desktop tests
    xvfb xauth openbox xdotool wmctrl xclip x11-utils imagemagick
    # assistive technology: a private D-Bus session, the AT-SPI registry and a Python client
    dbus-daemon at-spi2-core python3-pyatspi
    # a Wayland compositor with XWayland
    weston xwayland
    # a Debian i386 tree, for the 32-bit Wine that runs the 32-bit Trimvale.exe
    debootstrap
    # what explains a difference between two builds of a release that should be the same
    diffoscope-minimal
)

groups=("$@")
((${#groups[@]})) || groups=(program windows web release tests)
packages=()
for group in "${groups[@]}"; do
    case $group in
    program) packages+=("${program[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    web) packages+=("${web[@]}") ;;
    release) packages+=("${program[@]}" "${windows[@]}" "${web_build[@]}" "${release[@]}") ;;
    tests) packages+=("${program[@]}" "${windows[@]}" "${web[@]}" "${release[@]}" "${tests[@]}") ;;
    *) echo "setup.sh: no group '$group' (program, windows, web, release, tests)" >&2; exit 2 ;;
    esac
done

missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
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
