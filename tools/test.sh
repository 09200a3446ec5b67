#!/bin/sh
# The project's test command: installs what is missing, builds, runs the
# native tests, the Windows tests under Wine, and a short fuzz run.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh

jobs=$(nproc)
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== Windows tests under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build/windows --output-on-failure -j "$jobs"

echo "== fuzzing"
tools/fuzz.sh 60
