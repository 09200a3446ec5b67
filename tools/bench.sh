#!/bin/sh
# Builds the benchmarks without sanitizers (build/release) and runs them.
#   tools/bench.sh [BENCHMARK...]
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOSTRILEX_SANITIZER=none >/dev/null
cmake --build build/release -j "$(nproc)" --target reader_benchmark folder_scan_benchmark
for bench in ${*:-reader_benchmark folder_scan_benchmark}; do
    "build/release/tests/$bench"
done

# The folder scan's Windows side and the panels' redraw under Wine, when the
# Windows build exists (tools/build.sh makes it); the panels need a display.
if [ -z "${*:-}" ] && [ -x build/windows/wine-exec ]; then
    cmake --build build/windows -j "$(nproc)" --target folder_scan_timing panel_redraw_timing
    echo "folder scan under Wine:"
    build/windows/wine-exec build/windows/tests/folder_scan_timing.exe
    echo "sensor panels under Wine:"
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/windows/wine-exec build/windows/tests/panels/panel_redraw_timing.exe
fi
