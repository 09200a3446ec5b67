#!/bin/sh
# Installs what is missing, then builds both sides: the native core with its
# sanitized tests, the recording builder and the fuzzers (build/native), and
# the Windows executables (build/windows).
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc)
cmake -S . -B build/native -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOSTRILEX_FUZZ=ON >/dev/null
cmake --build build/native -j "$jobs"

cmake -S . -B build/windows -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DOSTRILEX_RECORDING_TOOL="$PWD/build/native/tools/make_recording" >/dev/null
cmake --build build/windows -j "$jobs"
