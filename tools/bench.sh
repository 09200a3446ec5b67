#!/bin/sh
# Builds the benchmarks without sanitizers (build/release) and runs them.
#   tools/bench.sh [BENCHMARK...]
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOSTRILEX_SANITIZER=none >/dev/null
cmake --build build/release -j "$(nproc)" --target reader_benchmark
for bench in ${*:-reader_benchmark}; do
    "build/release/tests/$bench"
done
