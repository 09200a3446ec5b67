#!/bin/sh
# Installs what is missing, builds, and starts the viewer under Wine.
set -eu
cd "$(dirname "$0")/.."
tools/build.sh
echo "The viewer itself (Ostrilex.exe) is not built yet: so far the project holds" >&2
echo "the recording engine's core, its tests and the recording builder." >&2
exit 1
