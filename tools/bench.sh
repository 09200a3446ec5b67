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

# The folder scan's Windows side under Wine, when the Windows build exists
# (tools/build.sh makes it).
if [ -z "${*:-}" ] && [ -x build/windows/wine-exec ]; then
    cmake --build build/windows -j "$(nproc)" --target folder_scan_timing
    echo "folder scan under Wine:"
    build/windows/wine-exec build/windows/tests/folder_scan_timing.exe
fi
