#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch
# folder and checks what it installs, what it depends on, and lintian's word.
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
debs=("$work"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || { echo "expected one package, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
dpkg -x "$deb" "$work/root"

failures=0
check() { # description, command...
    local what=$1
    shift
    if ! "$@" >/dev/null 2>&1; then
        echo "failed: $what"
        failures=$((failures + 1))
    fi
}

root="$work/root"
check "the program in /usr/bin" test -x "$root/usr/bin/trimvale"
check "a stripped program" bash -c "file '$root/usr/bin/trimvale' | grep -q ', stripped'"
check "the desktop entry" test -f "$root/usr/share/applications/$id.desktop"
check "the metainfo" test -f "$root/usr/share/metainfo/$id.metainfo.xml"
check "the 32x32 icon" test -f "$root/usr/share/icons/hicolor/32x32/apps/$id.png"
check "the copyright file" test -f "$root/usr/share/doc/trimvale/copyright"
check "the manual page" test -f "$root/usr/share/man/man1/trimvale.1.gz"
depends=$(dpkg-deb -f "$deb" Depends)
check "depends on the stand-in fonts" grep -q 'fonts-liberation, fonts-urw-base35' <<<"$depends"
check "depends on Qt Widgets, found by shlibdeps" grep -q 'libqt6widgets6' <<<"$depends"
check "recommends Qt's Wayland platform" grep -qx 'qt6-wayland' <<<"$(dpkg-deb -f "$deb" Recommends)"
check "nothing outside /usr" bash -c "[[ \$(ls '$root') == usr ]]"

lintian_output=$(lintian --allow-root "$deb" 2>&1 || true)
if grep -q '^E:' <<<"$lintian_output"; then
    echo "lintian reports errors:"
    echo "$lintian_output"
    failures=$((failures + 1))
fi

echo "package: $(basename "$deb")"
dpkg-deb -c "$deb" | awk '{print "  " $6}'
echo "lintian: ${lintian_output:-no complaints}"
if ((failures)); then
    echo "$failures failed"
    exit 1
fi
echo "Debian package: all checks passed"
