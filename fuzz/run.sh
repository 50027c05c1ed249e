#!/bin/sh
# Builds the fuzz targets with clang and runs each for a while.
#   fuzz/run.sh [SECONDS_PER_TARGET]   (default 180)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${FUZZ_BUILD_DIR:-$here/../build-fuzz}
seconds=${1:-180}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target fuzz_cfq_reader fuzz_caption_reader -j2
for target in cfq_reader caption_reader; do
    corpus="$build/corpus_$target"
    mkdir -p "$corpus"
    cp "$here/../tests/fixtures/"*.cfq "$corpus/" 2>/dev/null || true
    cp "$here/../tests/fixtures/default_captions.txt" "$corpus/" 2>/dev/null || true
    echo "== $target for $seconds s"
    (cd "$build" && "./fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=16384 "$corpus")
done
