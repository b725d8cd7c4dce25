#!/usr/bin/env bash
# Installs what is missing, builds Trimvale and runs every test and check:
# the whole test suite, the Windows program (built for 32 and 64 bits, the
# 64-bit one tested under Wine), the tests that drive a real display once more
# while both cores are kept busy, the hardening of the release build, and the
# whole test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh tests

echo "== Tests"
cmake --preset test
cmake --build --preset test
ctest --preset test

echo "== Windows: Trimvale.exe for 32-bit Windows, the one that ships"
cmake --preset windows
cmake --build --preset windows
bash app/tests/check_windows_exe.sh build/windows/app/Trimvale.exe

echo "== Windows: the 64-bit build and its tests under Wine"
cmake --preset windows-test
cmake --build --preset windows-test
bash scripts/wine-session.sh ctest --preset windows-test

echo "== The tests that drive a real display, once more under load"
bash scripts/stress-test.sh 1

echo "== Hardened release build"
cmake --preset default
cmake --build --preset default
bash app/tests/check_hardening.sh build/default/app/trimvale build/default

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
