#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo. desktop-file-validate
# exits 0 on some errors, so any line that reports an error fails too.
set -euo pipefail
desktop=$1
metainfo=$2

output=$(desktop-file-validate "$desktop" 2>&1) || { echo "$output"; exit 1; }
if grep -qi 'error:' <<<"$output"; then
    echo "$output"
    exit 1
fi
[[ -n "$output" ]] && echo "$output"

appstreamcli validate --no-net --explain "$metainfo"
echo "desktop entry and metainfo are valid"
