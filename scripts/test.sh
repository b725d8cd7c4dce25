#!/usr/bin/env bash
# Installs what is missing, builds Trimvale and runs every test and check:
# the whole test suite, the hardening of the release build, and the whole
# test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

echo "== Tests"
cmake --preset test
cmake --build --preset test
ctest --preset test

echo "== Hardened release build"
cmake --preset default
cmake --build --preset default
bash app/tests/check_hardening.sh build/default/app/trimvale build/default

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
