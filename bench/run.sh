#!/usr/bin/env bash
# Builds the benchmarks and runs one of them:
#   bench/run.sh startup [runs]     time to first paint and peak memory, under Xvfb (20 runs)
#   bench/run.sh memory             memory and time at each stage of start-up, under Xvfb
#   bench/run.sh idle [seconds]     CPU time of the idle window with its banner running (60 s)
#   bench/run.sh classify [clicks]  click on each Calculate button to result, offscreen (10000)
#   bench/run.sh cli [rows]         soil-classify: rows/s of each method, plain and as labs export
#                                   sheets (aliases, units row, ";", decimal commas), memory at 10M rows
#   bench/run.sh sheet [rows]       the sheet window: rows pasted to rows classified and shown,
#                                   without and with --chart
# BENCH_BUILD_DIR chooses the build directory (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

command=${1:-}
case "$command" in
startup | memory | idle | classify | cli | sheet) ;;
*)
    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
    ;;
esac
build=${BENCH_BUILD_DIR:-build}
bench=$build/bench

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if [ "$command" = cli ]; then
    cmake --build "$build" --parallel 2 --target soil-classify cli_throughput >/dev/null
    echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores;" \
         "load average $(cut -d' ' -f1-3 /proc/loadavg)"
    exec "$bench/cli_throughput" "$build/cli/soil-classify" "${2:-1000000}"
fi
if [ "$command" = sheet ]; then
    cmake --build "$build" --parallel 2 --target sheet_paste >/dev/null
    exec env QT_QPA_PLATFORM=offscreen "$bench/sheet_paste" "${2:-10000}"
fi
cmake --build "$build" --parallel 2 --target bench_bare_window bench_caption_window \
      bench_timer_window bench_strip_window bench_ticker_window bench_form_window window_bench \
      classify_latency >/dev/null

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores;" \
     "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo '?');" \
     "load average $(cut -d' ' -f1-3 /proc/loadavg)"

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# One X server for all the runs. Without -noreset it resets whenever its last client leaves, and
# each start would then wait for the reset of the one before.
on_xvfb() {
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"
}

windows=("$bench/bench_bare_window" "$bench/bench_caption_window" "$bench/bench_form_window")
case "$command" in
startup) on_xvfb "$bench/window_bench" startup "${2:-20}" "${windows[@]}" ;;
memory) on_xvfb "$bench/window_bench" memory "${windows[@]}" ;;
idle)
    on_xvfb "$bench/window_bench" idle "${2:-60}" "$bench/bench_timer_window" \
        "$bench/bench_strip_window" "$bench/bench_ticker_window" "${windows[2]}"
    ;;
classify)
    QT_QPA_PLATFORM=offscreen "$bench/classify_latency" "${2:-10000}"
    ;;
esac
