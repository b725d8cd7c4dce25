#!/usr/bin/env bash
# Reads back the Windows resources with the MinGW resource compiler and checks
# the version record and the icon they hold: those of the resource script
# (compiled first), or those of a built Trimvale.exe.
set -euo pipefail
input=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

windres=i686-w64-mingw32-windres
back="$work/back.rc"
if [[ $input == *.exe ]]; then
    "$windres" -i "$input" -O rc -o "$back"
else
    "$windres" --preprocessor=cpp -i "$input" -O res -o "$work/out.res"
    "$windres" -J res -O rc -i "$work/out.res" -o "$back"
fi

failures=0
expect() { # description, extended regular expression that must match a line
    if ! grep -Eq -- "$2" "$back"; then
        echo "missing: $1"
        failures=$((failures + 1))
    fi
}

expect "US English resources" '^LANGUAGE 9, 1$'
expect "numeric file version 1.0.0.0" '^ *FILEVERSION 1, 0, 0, 0$'
expect "numeric product version 1.0.0.0" '^ *PRODUCTVERSION 1, 0, 0, 0$'
expect "an application" '^ *FILETYPE 0x1$'
expect "for 32-bit Windows" '^ *FILEOS 0x4$'
expect "one string table in US English, Unicode" '^ *BLOCK "040904b0"$'
expect "translation 0409, code page 1200" 'VALUE "Translation", 0x409, 1200$'
expect "FileVersion" '^ *VALUE "FileVersion", "1\.00"$'
expect "ProductVersion" '^ *VALUE "ProductVersion", "1\.00"$'
expect "InternalName" '^ *VALUE "InternalName", "Trimvale"$'
expect "OriginalFilename" '^ *VALUE "OriginalFilename", "Trimvale\.exe"$'
# One icon group with one entry: 32 x 32, 16 colours, one plane, 4 bits a pixel.
expect "one icon in the group" 'Has 1 elements'
expect "a 32 x 32, 16-colour, 4-bit entry" '"\\040\\040\\020\\000", 1, 4,'

# Exactly the described entries, besides the company and product names.
values=$(grep -Eo 'VALUE "[A-Za-z]+"' "$back" | sort | tr '\n' ' ')
wanted='VALUE "CompanyName" VALUE "FileVersion" VALUE "InternalName" VALUE "OriginalFilename" VALUE "ProductName" VALUE "ProductVersion" VALUE "Translation" '
if [[ "$values" != "$wanted" ]]; then
    echo "entries differ: $values"
    failures=$((failures + 1))
fi
groups=$(grep -c 'RT_GROUP_ICON' "$back" || true)
icons=$(grep -c 'RT_ICON' "$back" || true)
if [[ "$groups" != 1 || "$icons" != 1 ]]; then
    echo "expected one icon group and one icon, found $groups and $icons"
    failures=$((failures + 1))
fi

if ((failures)); then
    echo "--- read back:"
    grep -v '0x' "$back"
    echo "$failures failed"
    exit 1
fi
echo "version record and icon resource: all checks passed"
