#!/usr/bin/env bash
# Installs what is missing, builds Trimvale and runs every test and check:
# the whole test suite, the Windows program (built for 32 and 64 bits, the
# shipped 32-bit one tested under 32-bit Wine in a Debian i386 tree of its own,
# the 64-bit one under Wine), the page for browsers (the shared tests under
# node, the page itself in Chromium), a release made twice to show that it is
# reproducible, the tests that drive a real display once more
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

echo "== Windows: the shipped Trimvale.exe and the 32-bit tests, under 32-bit Wine"
cmake --preset windows32-test
cmake --build --preset windows32-test
bash scripts/wine32-session.sh bash -c '
    set -euo pipefail
    bash app/tests/desktop_e2e_test.sh build/windows/app/Trimvale.exe
    ctest --preset windows32-test -V >build/windows32-test/ctest.log 2>&1 ||
        { tail -n 60 build/windows32-test/ctest.log; exit 1; }
    tail -n 3 build/windows32-test/ctest.log
    cases=$(grep -c "^[0-9]*: \[       OK \]" build/windows32-test/ctest.log || true)
    echo "32-bit Trimvale.exe under 32-bit Wine ($TRIMVALE_WINE32_ROUTE): the desktop" \
        "end-to-end test and $cases test cases passed"'

echo "== Windows: the 64-bit build and its tests under Wine"
cmake --preset windows-test
cmake --build --preset windows-test
bash scripts/wine-session.sh ctest --preset windows-test

echo "== The page: trimvale.html, the shared tests under node, the page and the contract suite in Chromium, Firefox and WebKit"
npm ci --prefix app/web/tests --no-audit --no-fund --loglevel=error
cmake --preset web-test
cmake --build --preset web-test
ctest --preset web-test

echo "== A release, made twice: the same bytes, and artefacts that pass their checks"
bash app/tests/check_release.sh build/web-test/app/tests/layout_dump.js

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
