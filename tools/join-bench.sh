#!/bin/sh
# Times the joiner on ten one-minute 1280x720 recordings (about 1 GB) against
# cat over the same files (the copying limit) and ffmpeg's concat demuxer
# with stream copy, all writing to one folder under build/. Two sets: one
# sample per chunk with one timing run per track, and ffmpeg's own chunking
# (many samples-per-chunk runs) with a sound timing of two runs. Builds the
# tools without sanitizers (build/release). Each figure is the best of RUNS
# runs. When the Windows build exists, the join through the main window
# under Wine is timed too, against the joiner alone there.
#   tools/join-bench.sh [RUNS]
set -eu
cd "$(dirname "$0")/.."
runs=${1:-3}
tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOSTRILEX_SANITIZER=none >/dev/null
cmake --build build/release -j "$(nproc)" --target make_recording join_movies
if [ -x build/windows/wine-exec ]; then
    cmake --build build/windows -j "$(nproc)" --target main_window_job_timing
    build/windows/wine-exec --stop-server
fi

bench=build/join-bench
mkdir -p "$bench/out"

now() { date +%s%N; }
best=""
# Runs a command RUNS times, each after flushing earlier output to disk, and
# keeps the shortest wall time in milliseconds in $best.
time_it() {
    best=""
    n=0
    while [ "$n" -lt "$runs" ]; do
        rm -f "$bench/out/"*
        sync
        start=$(now)
        "$@"
        end=$(now)
        ms=$(( (end - start) / 1000000 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
        n=$((n + 1))
    done
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# bench_set NAME DURATION [BUILDER OPTIONS...]
bench_set() {
    name=$1
    duration=$2
    shift 2
    dir=$bench/$name
    mkdir -p "$dir"
    sources=""
    for i in 0 1 2 3 4 5 6 7 8 9; do
        file=$dir/240102110${i}_A1${i}.MOV
        if [ ! -f "$file" ]; then
            build/release/tools/make_recording --out "$file" --cache "$bench/base-movies" \
                --duration "$duration" --size 1280x720 --video-kbps 13000 --entries 600 \
                --start 2401021${i}0000 "$@"
        fi
        sources="$sources $file"
    done
    list=$dir/concat.txt
    : >"$list"
    for file in $sources; do echo "file '$PWD/$file'" >>"$list"; done
    echo "== $name"
    # shellcheck disable=SC2086
    echo "inputs: $(du -cb $sources | tail -1 | cut -f1) bytes in 10 files"

    # shellcheck disable=SC2086
    cat $sources >/dev/null  # every input in the page cache first
    # shellcheck disable=SC2086
    time_it sh -c "cat $sources >$bench/out/cat.MOV"
    cat_ms=$best
    # shellcheck disable=SC2086
    time_it build/release/tools/join_movies "$bench/out/joined.MOV" $sources
    join_ms=$best
    frames=$(ffprobe -v error -select_streams v:0 -show_entries stream=nb_frames -of default=nw=1:nk=1 \
        "$bench/out/joined.MOV")
    time_it ffmpeg -nostdin -v error -y -f concat -safe 0 -i "$list" -c copy "$bench/out/ffmpeg.MOV"
    ffmpeg_ms=$best
    rm -f "$bench/out/"*

    echo "joined video frames: $frames"
    echo "cat:            ${cat_ms} ms"
    echo "joiner:         ${join_ms} ms ($(ratio "$join_ms" "$cat_ms") x cat)"
    echo "ffmpeg -c copy: ${ffmpeg_ms} ms ($(ratio "$ffmpeg_ms" "$cat_ms") x cat)"
    window_join "$sources"
}

winpath() { printf 'Z:%s' "$(realpath "$1")" | tr '/' '\\'; }

# The same join through the main window under Wine (mapped views, the
# temporary file, the rename), against the joiner alone there, when the
# Windows build exists (tools/build.sh makes it).
window_join() {
    [ -x build/windows/wine-exec ] || return 0
    args=""
    for file in $1; do args="$args $(winpath "$file")"; done
    # shellcheck disable=SC2086
    xvfb-run -a -s "-screen 0 1280x1024x24" build/windows/wine-exec \
        build/windows/tests/app/main_window_job_timing.exe join "$(winpath "$bench/out")" $args \
        2>/dev/null | tee "$bench/window.txt"
    window_ms=$(sed -n 's/^join through the window: *\([0-9]*\) ms.*/\1/p' "$bench/window.txt")
    [ -n "$window_ms" ] || return 0
    echo "window:         ${window_ms} ms ($(ratio "$window_ms" "$cat_ms") x cat," \
        "$(ratio "$window_ms" "$join_ms") x the native joiner)"
}

# 60.032 s of AAC is a whole number of frames: one timing run per track.
bench_set one-run 60.032
# 60 s of AAC ends on a shorter frame: a second timing run.
bench_set many-runs 60.0 --keep-chunks
