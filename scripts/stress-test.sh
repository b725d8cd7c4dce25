#!/usr/bin/env bash
# Runs the tests that drive a real display (X, Wayland, AT-SPI, Trimvale.exe
# under Wine, and the page in Chromium) several times each while every core is kept busy,
# and prints per test how many runs passed. A test that waits a fixed time, or
# takes for granted that one event was handled before it sends the next, fails
# here sooner or later.
#
#     bash scripts/stress-test.sh [RUNS]      (default: 5 runs of each)
#
# Builds what it runs (the test, windows-test and web-test presets) if needed; installs
# nothing. Exits non-zero if any run failed.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
linux_tests=(desktop_e2e_test atspi_test wayland_test hostile_env_test)
wine_tests=(windows_e2e_test win32_window_tests win32_contract_tests)
web_tests=(web_contract_tests_chromium web_contract_tests_firefox web_contract_tests_webkit
    web_page_test_chromium web_page_test_firefox web_page_test_webkit)

cmake --preset test >/dev/null
cmake --build --preset test >/dev/null
cmake --preset windows-test >/dev/null
cmake --build --preset windows-test >/dev/null
cmake --preset web-test >/dev/null
cmake --build --preset web-test >/dev/null

logs=$(mktemp -d)
load=()
cleanup() {
    ((${#load[@]})) && kill "${load[@]}" 2>/dev/null
    wait "${load[@]}" 2>/dev/null || true
    rm -rf "$logs"
}
trap cleanup EXIT
# Two busy loops a core, at the tests' own priority.
for ((i = 0; i < 2 * $(nproc); ++i)); do
    bash -c 'while :; do :; done' &
    load+=($!)
done

# run_each PRESET TEST...: each test RUNS times, one run after another.
run_each() {
    local preset=$1 test run passed
    shift
    for test in "$@"; do
        passed=0
        for ((run = 1; run <= runs; ++run)); do
            if ctest --preset "$preset" -R "^$test\$" --output-on-failure \
                >"$logs/$test.$run.log" 2>&1; then
                passed=$((passed + 1))
            else
                echo "--- $test, run $run, failed:" >&2
                tail -n 150 "$logs/$test.$run.log" >&2
            fi
        done
        echo "$test: $passed of $runs runs passed under load" | tee -a "$logs/summary"
    done
}

run_each test "${linux_tests[@]}"
run_each web-test "${web_tests[@]}"
export -f run_each
export runs logs
bash scripts/wine-session.sh bash -c 'run_each windows-test "$@"' _ "${wine_tests[@]}"

failed=$(grep -vc " $runs of $runs " "$logs/summary" || true)
((failed == 0)) || { echo "stress test: $failed tests failed at least once under load" >&2; exit 1; }
echo "stress test: every run passed under load"
