#!/bin/sh
# Installs what is missing, configures both sides and builds them: the
# native core with its sanitized tests, the recording builder and the
# fuzzers (build/native), and the Windows executables (build/windows).
#
#   tools/build.sh [--native TARGET]... [--windows TARGET]...
#
# With targets named, each side builds only those (a side with none named
# builds nothing); both sides are configured the same way either way, so a
# later full build reuses what a partial one made.
set -eu
cd "$(dirname "$0")/.."

usage() {
    echo "usage: tools/build.sh [--native TARGET]... [--windows TARGET]..." >&2
    exit 2
}

partial=false
native_targets=""
windows_targets=""
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage
    case $1 in
    --native) native_targets="$native_targets $2" ;;
    --windows) windows_targets="$windows_targets $2" ;;
    *) usage ;;
    esac
    partial=true
    shift 2
done

tools/install-deps.sh

# build DIRECTORY TARGETS: everything when no target was named at all.
build() {
    directory=$1
    targets=$2
    if ! $partial; then
        cmake --build "$directory" -j "$(nproc)"
    elif [ -n "$targets" ]; then
        # shellcheck disable=SC2086
        cmake --build "$directory" -j "$(nproc)" --target $targets
    fi
}

cmake -S . -B build/native -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOSTRILEX_FUZZ=ON >/dev/null
build build/native "$native_targets"

cmake -S . -B build/windows -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DOSTRILEX_RECORDING_TOOL="$PWD/build/native/tools/make_recording" >/dev/null
build build/windows "$windows_targets"
