#!/bin/sh
# Runs every fuzz target (or the ones named) for SECONDS each, seeded with the
# recordings the builder makes. Needs a native build (tools/build.sh).
#   tools/fuzz.sh SECONDS [TARGET...]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:?usage: tools/fuzz.sh SECONDS [TARGET...]}
shift
build=build/native
targets=${*:-data_section_fuzzer box_walk_fuzzer box_index_fuzzer join_fuzzer}

seeds=$build/fuzz-seeds
"$build/tools/make_recording" --fuzz-seeds "$seeds" \
    --standard-set "$seeds/recordings" --cache "$build/base-movies"

for target in $targets; do
    case "$target" in
        data_section_fuzzer) seed_dir=$seeds/data-section ;;
        join_fuzzer) seed_dir=$seeds/join ;;
        *) seed_dir=$seeds/files ;;
    esac
    corpus=$build/fuzz-corpus/$target
    artifacts=$build/fuzz-artifacts/$target
    mkdir -p "$corpus" "$artifacts"
    echo "== $target for ${seconds}s"
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$seed_dir"
done
