#!/usr/bin/env bash
# Runs every benchmark and prints the medians: start-up on a real X server
# against a one-label Qt window, Trimvale.exe's start-up under Wine against a
# one-label Win32 window and its size, the interaction timings on the offscreen
# platform, a 100,000-step soak of random sessions against an independent
# model, the heap of a thousand result windows opened and closed, and
# trimvale.html's first paint in Chromium against a page with one label.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
build=$PWD/build/bench
runs=${RUNS:-15}

echo
echo "== Start-up to the first painted frame, Xvfb with openbox, median of $runs alternating runs"
source scripts/desktop.sh
start_desktop 1280x800x24
"$build/bench/startup_bench" "$build/bench/libfirst_frame_probe.so" "$runs" \
    "$build/app/trimvale" "$build/bench/one_label"
stop_desktop

echo
echo "== Trimvale.exe under Wine: start-up until the centre of the screen shows its window, median of $runs alternating runs"
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
cmake --preset windows-bench >/dev/null
cmake --build --preset windows-bench >/dev/null
windows=$PWD/build/windows-bench
bash scripts/wine-session.sh "$build/bench/screen_centre_bench" "$runs" \
    "$PWD/cmake/wine-run.sh $windows/app/Trimvale.exe" "$PWD/cmake/wine-run.sh $windows/bench/one_label_win32.exe"
echo "Trimvale.exe for 32-bit Windows, stripped: $(stat -c %s build/windows/app/Trimvale.exe) bytes"

echo
echo "== trimvale.html in each engine from file://, against a page with one static label, median of $runs alternating runs, on a desktop and a phone"
npm ci --prefix app/web/tests --no-audit --no-fund --loglevel=error
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
node bench/page_bench.mjs build/web/trimvale.html bench/one_label.html "$runs"
SIZE=360x740 node bench/page_bench.mjs build/web/trimvale.html bench/one_label.html "$runs"
echo "trimvale.html: $(stat -c %s build/web/trimvale.html) bytes, $(gzip -9 -c build/web/trimvale.html | wc -c) gzipped"

echo
echo "== Interaction, offscreen platform, median of 9 repetitions"
"$build/bench/interaction_bench" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true 2>/dev/null | grep -E '^(Benchmark|-|.*_median)'

echo
echo "== Random sessions on the real windows against an independent model, offscreen platform"
"$build/bench/flow_soak" 100000 20 2>/dev/null

echo
echo "== Heap while every result window is opened and closed, heaptrack"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for cycles in 100 1000; do
    heaptrack -o "$work/churn$cycles" "$build/bench/window_churn" "$cycles" >/dev/null 2>&1
    summary=$(heaptrack_print -f "$work"/churn$cycles.* 2>/dev/null)
    peak=$(grep '^peak heap memory consumption' <<<"$summary" | cut -d: -f2)
    leaked=$(grep '^total memory leaked' <<<"$summary" | cut -d: -f2)
    echo "$cycles cycles of 5 windows: peak heap$peak, still allocated at exit$leaked"
done
"$build/bench/window_churn" 1000 | tail -n 1
