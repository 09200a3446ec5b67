#!/bin/sh
# The project's test command: installs what is missing, builds, runs the
# native tests, the Windows tests under Wine, and a short fuzz run.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh

jobs=$(nproc)
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== threaded tests under ThreadSanitizer"
cmake -S . -B build/tsan -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DOSTRILEX_SANITIZER=thread >/dev/null
cmake --build build/tsan -j "$jobs" --target engine_reader_tests make_recording
ctest --test-dir build/tsan --output-on-failure -R "^(make_recordings|engine_reader_tests)$"

echo "== Windows tests under Wine"
# Their locale, made once up front so that a missing one is reported once.
(. tools/wine-locale.sh && use_wine_locale "$PWD/build/windows/locale")
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build/windows --output-on-failure -j "$jobs"

echo "== fuzzing"
tools/fuzz.sh 20
