#!/usr/bin/env bash
# Makes a release of the commit that is checked out, from a clean export of it
# (never the working tree), and writes dist/trimvale-VERSION/:
#
#   Trimvale.exe                  the program for 32-bit and 64-bit Windows
#   trimvale_VERSION-N_amd64.deb  the Debian package of the Linux program
#   trimvale.html                 the page for browsers
#   web/                          the same page for a static web server, as
#                                 index.html, with its manifest, the worker
#                                 that keeps it offline, and its icons
#   trimvale-VERSION.tar.gz       the source of the commit
#   SHA256SUMS                    the checksums of them all
#
#     bash scripts/release.sh
#
# The same commit gives the same bytes on any machine, at any time, from any
# folder: time stamps come from the commit (SOURCE_DATE_EPOCH), release builds
# map their folders out of the binaries, and the archives are written in a
# fixed order with fixed owners and modes. A failed build leaves no dist
# folder behind.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -n $(git status --porcelain --untracked-files=no) ]]; then
    echo "release.sh: the working tree has uncommitted changes; a release is made of a commit." >&2
    echo "Commit or stash them first (git status shows them)." >&2
    exit 1
fi
bash scripts/setup.sh release

commit=$(git rev-parse HEAD)
# The version is stated once, in the project's CMakeLists.txt.
version=$(sed -n 's/^ *VERSION \([0-9][0-9.]*\)$/\1/p' CMakeLists.txt | head -n 1)
[[ -n $version ]] || { echo "release.sh: no VERSION in CMakeLists.txt" >&2; exit 1; }
name=trimvale-$version
dist=$PWD/dist

export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export TZ=UTC LC_ALL=C.UTF-8 LANG=C.UTF-8
umask 022

work=$(mktemp -d)
out="$dist/.$name.partial"
trap 'rm -rf "$work" "$out"' EXIT
mkdir -p "$dist"
rm -rf "$out"
mkdir "$out"

echo "== Release $version of $commit"
# The source: the commit as git stores it, with the commit's time on every file.
git archive --format=tar --prefix="$name/" "$commit" | gzip -9n >"$out/$name.tar.gz"
tar -xzf "$out/$name.tar.gz" -C "$work"
src="$work/$name"

echo "== The Linux program and its Debian package"
(cd "$src" && cmake --preset default >/dev/null && cmake --build --preset default)
(cd "$src/build/default" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; exit 1; }
debs=("$work"/cpack/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "release.sh: expected one package: ${debs[*]}" >&2; exit 1; }
deb=$(basename "${debs[0]}")
# Packed again by dpkg-deb: members sorted, owned by root, modes as the
# package means them, and every time stamp the commit's.
dpkg-deb -R "${debs[0]}" "$work/package"
find "$work/package" -type d -exec chmod 0755 {} + -o -type f -perm /u+x -exec chmod 0755 {} + \
    -o -type f -exec chmod 0644 {} +
find "$work/package" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group -Zxz --build "$work/package" "$out/$deb" >/dev/null

echo "== Trimvale.exe for Windows"
(cd "$src" && cmake --preset windows >/dev/null && cmake --build --preset windows)
cp "$src/build/windows/app/Trimvale.exe" "$out/"

echo "== trimvale.html for browsers"
(cd "$src" && cmake --preset web >/dev/null && cmake --build --preset web)
cp "$src/build/web/trimvale.html" "$out/"
mkdir "$out/web"
cp "$src"/build/web/web/{index.html,manifest.webmanifest,sw.js,icon-192.png,icon-512.png} "$out/web/"

(cd "$out" && sha256sum Trimvale.exe "$deb" trimvale.html web/* "$name.tar.gz" >SHA256SUMS)
rm -rf "${dist:?}/$name"
mv "$out" "$dist/$name"

echo "== dist/$name"
(cd "$dist/$name" && ls -l --time-style=+ | tail -n +2 && echo && cat SHA256SUMS)
