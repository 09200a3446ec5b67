#!/bin/sh
# Builds the benchmarks without sanitizers (build/release) and runs them.
#   tools/bench.sh [BENCHMARK...]
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOSTRILEX_SANITIZER=none >/dev/null
cmake --build build/release -j "$(nproc)" --target reader_benchmark folder_scan_benchmark make_recording
for bench in ${*:-reader_benchmark folder_scan_benchmark}; do
    "build/release/tests/$bench"
done

# The folder scan's Windows side and the panels' redraw under Wine, when the
# Windows build exists (tools/build.sh makes it); the panels need a display.
if [ -z "${*:-}" ] && [ -x build/windows/wine-exec ]; then
    cmake --build build/windows -j "$(nproc)" --target folder_scan_timing presenter_playback_timing \
        engine_playback_timing panel_redraw_timing main_window_job_timing
    echo "folder scan under Wine:"
    build/windows/wine-exec build/windows/tests/folder_scan_timing.exe
    echo "sensor panels under Wine:"
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/windows/wine-exec build/windows/tests/panels/panel_redraw_timing.exe
    echo "CSV export of 1000 recordings through the main window under Wine:"
    build/windows/wine-exec --stop-server
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/windows/wine-exec build/windows/tests/app/main_window_job_timing.exe csv

    # A 30 s 1280x720 movie at 30 fps, played once at normal speed through
    # the presenter; the target is 98 % of the 900 frames presented.
    movie=build/presenter-bench/playback_720p30.MOV
    if [ ! -f "$movie" ]; then
        mkdir -p build/presenter-bench
        build/release/tools/make_recording --out "$movie" --cache build/presenter-bench \
            --duration 30 --size 1280x720 --delta 3000 --no-audio
    fi
    echo "playback through the presenter under Wine:"
    # Wine's desktop, started by the run above, has no display: end it, so
    # the next one starts on the virtual display with the program.
    build/windows/wine-exec --stop-server
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/windows/wine-exec build/windows/tests/presenter_playback_timing.exe "Z:$PWD/$movie" 1280 720 900

    # The same movie opened and played through the engine's entry table, as
    # the main window does: the time to the first frame shown, and the
    # frames presented of those due.
    echo "playback through the engine under Wine:"
    build/windows/wine-exec --stop-server
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/windows/wine-exec build/windows/tests/engine_playback_timing.exe "Z:$PWD/$movie" 1280 720 900

    # The main window's playback through the real engine, on a virtual
    # display, over the standard recordings.
    cmake --build build/windows -j "$(nproc)" --target main_window_timing
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build/windows -R '^make_recordings$' >/dev/null
    echo "main window playback under Wine:"
    build/windows/wine-exec --stop-server
    OSTRILEX_RECORDINGS="Z:$PWD/build/windows/recordings" xvfb-run -a -s "-screen 0 1280x1024x24" \
        build/windows/wine-exec build/windows/tests/app/main_window_timing.exe
fi
