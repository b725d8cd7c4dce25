#!/usr/bin/env bash
# The release is reproducible and its artefacts work: scripts/release.sh runs
# twice on the checked-in commit, from two clones at different paths, some
# time apart, under different user names, host names, umasks, time zones and
# locales, and both runs must give the same bytes; a difference fails with
# diffoscope's account of it. Then Trimvale.exe must pass the Windows checks,
# the Debian package's program must run on a desktop, and the page must pass
# the page test.
#
#     check_release.sh LAYOUT_DUMP.js
#
# LAYOUT_DUMP.js is the web-test build's layout_dump, which the page test reads.
set -euo pipefail
layout_dump=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
top=$(git -C "$here" rev-parse --show-toplevel)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

[[ -z $(git -C "$top" status --porcelain --untracked-files=no) ]] ||
    echo "Note: the working tree has uncommitted changes; the release is made of $(git -C "$top" rev-parse --short HEAD)."

one="$work/first/trimvale"
two="$work/second/checked-out/elsewhere/trimvale"
git clone -q "$top" "$one"
git clone -q "$top" "$two"

started=$(date +%s)
(umask 022 && export USER=alice LOGNAME=alice TZ=UTC LANG=C.UTF-8 && cd "$one" &&
    bash scripts/release.sh) >"$work/one.log" 2>&1 || { tail -n 40 "$work/one.log"; fail "the first release failed"; }
(umask 077 && export USER=bob LOGNAME=bob TZ=Pacific/Chatham LANG=en_NZ.UTF-8 && cd "$two" &&
    unshare --uts bash -c 'hostname elsewhere && exec bash scripts/release.sh') >"$work/two.log" 2>&1 ||
    { tail -n 40 "$work/two.log"; fail "the second release failed"; }
echo "two releases made in $(($(date +%s) - started)) s"

version_dir=$(cd "$one/dist" && ls -d trimvale-*)
a="$one/dist/$version_dir"
b="$two/dist/$version_dir"
[[ -f $b/SHA256SUMS ]] || fail "the second run made no $version_dir"
(cd "$a" && sha256sum -c --quiet SHA256SUMS) || fail "the first release does not match its own SHA256SUMS"
if ! cmp -s "$a/SHA256SUMS" "$b/SHA256SUMS"; then
    diff "$a/SHA256SUMS" "$b/SHA256SUMS" || true
    while read -r _ file; do
        cmp -s "$a/$file" "$b/$file" && continue
        echo "== $file differs between the two builds:"
        diffoscope --no-progress --text - "$a/$file" "$b/$file" 2>&1 | head -n 60 | cut -c 1-240 || true
    done <"$a/SHA256SUMS"
    fail "two builds of the same commit differ"
fi
echo "the same bytes from both builds:"
sed 's/^/  /' "$a/SHA256SUMS"

echo "== The artefacts"
bash "$here/check_windows_exe.sh" "$a/Trimvale.exe"

deb=("$a"/trimvale_*_amd64.deb)
root="$work/package"
dpkg-deb -x "${deb[0]}" "$root"
[[ $(dpkg-deb -f "${deb[0]}" Version) == "${version_dir#trimvale-}-"* ]] ||
    fail "the package's version is not the release's: $(dpkg-deb -f "${deb[0]}" Version)"
bash "$here/desktop_e2e_test.sh" "$root/usr/bin/trimvale"

grep -q "<meta name=\"generator\" content=\"Trimvale ${version_dir#trimvale-}\">" "$a/trimvale.html" ||
    fail "the page does not name its version"
for engine in chromium firefox webkit; do
    node "$top/app/web/tests/page_test.mjs" "$a/trimvale.html" "$layout_dump" "$engine" | tail -n 1
done
echo "release: reproducible, and every artefact passed its checks"
