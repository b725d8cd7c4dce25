#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the program, its
# desktop entry, metainfo and icons land where a Linux desktop looks for them,
# and that they agree with each other.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
for file in \
    bin/trimvale \
    "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/32x32/apps/$id.png" \
    "share/icons/hicolor/128x128/apps/$id.png"; do
    if [[ ! -f "$prefix/$file" ]]; then
        echo "not installed: $file"
        failures=$((failures + 1))
    fi
done
[[ -x "$prefix/bin/trimvale" ]] || { echo "bin/trimvale is not executable"; failures=$((failures + 1)); }
grep -qx 'Exec=trimvale' "$prefix/share/applications/$id.desktop" || { echo "desktop entry does not start trimvale"; failures=$((failures + 1)); }
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || { echo "desktop entry names another icon"; failures=$((failures + 1)); }

# The metainfo, the desktop entry and the icons agree as installed: a
# <launchable> naming no installed entry passes a check of the metainfo alone.
if ! report=$(appstreamcli validate-tree --no-net "$prefix" 2>&1); then
    echo "$report"
    failures=$((failures + 1))
fi

if ((failures)); then
    (cd "$prefix" && find . -type f | sort)
    exit 1
fi
echo "installed files: all in place"
