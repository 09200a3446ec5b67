#!/bin/sh
# Makes docs/screenshot.png, the viewer's window playing a sample recording:
# builds and prepares what the run command does (tools/run-setup.sh), starts
# the viewer on a virtual display (Xvfb), plays its first clip through
# viewer_remote (tools/reliability/), grabs the window with ffmpeg once the
# position moves, and closes the viewer.
set -eu
cd "$(dirname "$0")/.."
. tools/run-setup.sh
prepare_run --windows viewer_remote
remote=$root/build/windows/tools/reliability/viewer_remote.exe
output=$root/docs/screenshot.png
mkdir -p "$root/docs"

cd "$work"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    program=$1 remote=$2 output=$3
    wine "$program" &
    viewer=$!
    status=1
    if place=$(wine "$remote" play); then
        set -- $(printf "%s" "$place" | tr -d "\r")
        echo "Grabbing the window (${3}x$4 at $1,$2) into $output"
        # One frame first: the palette of 256 colours that keeps the picture
        # small needs the end of its input.
        grab=$(mktemp --suffix=.png)
        ffmpeg -loglevel error -y -f x11grab -draw_mouse 0 -video_size "${3}x$4" -i "$DISPLAY+$1,$2" -frames:v 1 "$grab" &&
            ffmpeg -loglevel error -y -i "$grab" -vf "split[a][b];[a]palettegen[p];[b][p]paletteuse" "$output" &&
            status=0
        rm -f "$grab"
    fi
    wine "$remote" close || kill "$viewer" 2>/dev/null
    wait "$viewer"
    # The Wine services end before the display does.
    wineserver -w
    exit $status' sh "$program" "$remote" "$output"
