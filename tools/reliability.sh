#!/bin/sh
# Starts and closes the viewer under Wine again and again (50 times unless
# told otherwise), every other time while a clip plays and every sixth time
# while a CSV export's worker writes, by its close button and by the system
# menu in turn, and prints how each run ended and the counts of clean runs,
# hangs and crashes. Exit code 0 only when every run was clean and every run
# meant to play or to close over the export got there.
#
#   tools/reliability.sh [CYCLES]
#
# It builds first, makes the sample recordings in build/reliability (three
# to play, and enough more that an export of them all is still writing when
# the window closes) and runs in the build's own Wine prefix on a virtual
# display.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
cycles=${1:-50}
tools/build.sh

work=$root/build/reliability
samples=$work/samples
exports=$work/csv
export_recordings=60
mkdir -p "$samples" "$exports"
for sample in "2401020304_A001.MOV 240102030400" "2401020312_G002.MOV 240102031200" \
            "2401020320_M003.MOV 240102032000"; do
    set -- $sample
    [ -f "$samples/$1" ] || build/native/tools/make_recording --out "$samples/$1" --start "$2" --duration 8 \
        --cache "$root/build/base-movies"
done
i=1
while [ "$i" -le "$export_recordings" ]; do
    stamp=$(printf '2401031%d%02d' $((i / 60)) $((i % 60)))
    name=$(printf '%s_A%03d.MOV' "$stamp" "$i")
    [ -f "$samples/$name" ] || build/native/tools/make_recording --out "$samples/$name" --start "${stamp}00" \
        --duration 8 --cache "$root/build/base-movies"
    i=$((i + 1))
done

windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
# The settings the viewer reads from its working directory, rewritten at
# every run of the script: the samples are the source.
printf '%s\r\n' '[DISPLAY]' 'INFOCHECK=31' 'ASPECT=on' 'VOLUME=65535' \
    '[SOURCE]' 'SELECT=FOLDER' "FOLDER=$(windows_path "$samples")" \
    '[FOLDERPATH]' "CSV_FOLDER=$(windows_path "$exports")" >"$work/Default_Folder.ini"

wine_exec=$root/build/windows/wine-exec
driver=$root/build/windows/tools/reliability/start_close_cycles.exe
program=$(windows_path "$root/build/windows/app/Ostrilex.exe")
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$1" --start-server || exit 1
    "$1" "$2" "$3" "$4" "$5"
    status=$?
    "$1" --stop-server
    exit $status' sh "$wine_exec" "$driver" "$program" "$(windows_path "$work")" "$cycles"
