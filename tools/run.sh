#!/bin/sh
# Installs what is missing, builds the viewer and the recording builder (not
# the tests), and starts the viewer under Wine on a folder of generated
# sample recordings (tools/run-setup.sh says what it prepares, and where).
set -eu
cd "$(dirname "$0")/.."
. tools/run-setup.sh
prepare_run

display_usable() {
    [ -n "${DISPLAY:-}" ] || return 1
    command -v xdpyinfo >/dev/null 2>&1 || return 0
    xdpyinfo >/dev/null 2>&1
}

cd "$work"
if display_usable; then
    echo "Starting Ostrilex on display $DISPLAY"
    exec wine "$program"
fi
echo "No usable display: starting Ostrilex on a virtual display (Xvfb), where it"
echo "is not visible. Stop it with Ctrl+C."
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$program"
