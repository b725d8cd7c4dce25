#!/usr/bin/env bash
# Checks the Trimvale.exe that ships: a 32-bit Windows GUI program that needs
# no DLL but Windows' own, with its manifest, version record and icon.
set -euo pipefail
exe=$1
here=$(dirname "$0")
failures=0
fail() { echo "$1"; failures=$((failures + 1)); }

kind=$(file -b "$exe")
[[ $kind == "PE32 executable (GUI) Intel 80386"* ]] || fail "not a 32-bit Windows GUI program: $kind"

imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print toupper($3) }' | sort | tr '\n' ' ')
# OLE32 for the accessibility services that tell screen readers more.
[[ $imports == "GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL USER32.DLL " ]] || fail "imports other DLLs: $imports"

i686-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "not stripped"

rc=$(i686-w64-mingw32-windres -i "$exe" -O rc)
grep -q 'RT_MANIFEST' <<<"$rc" || fail "no application manifest"
grep -q 'PerMonitorV2' <<<"$rc" || fail "the manifest does not declare per-monitor DPI awareness"
grep -q 'Common-Controls' <<<"$rc" && fail "the manifest asks for themed common controls"

bash "$here/check_versioninfo.sh" "$exe" || failures=$((failures + 1))

if ((failures)); then
    echo "$failures failed"
    exit 1
fi
echo "Trimvale.exe ($(stat -c %s "$exe") bytes): all checks passed"
