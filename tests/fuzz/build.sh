#!/bin/sh
# Builds the reader fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer: the program's libraries built with the instrumentation in their
# own CMake folder, and one target per reader linked to them. Not part of the normal build;
# see tests/fuzz/README.md. Usage: tests/fuzz/build.sh [build folder]   (default build-fuzz)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/build-fuzz}
jobs=${JOBS:-3}
CC=${CC:-clang} CXX=${CXX:-clang++} cmake -S "$root" -B "$out" -G Ninja -DMF_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g"
targets="text_reader xml_reader attachment_list mdb_dictionary"
set --
for t in $targets; do set -- "$@" "fuzz_$t"; done
cmake --build "$out" -j "$jobs" --target "$@"
# Each target's corpus starts as a copy of its seeds; libFuzzer adds what it finds there.
for t in $targets; do
    mkdir -p "$out/corpus_$t"
    cp "$root/tests/fuzz/seeds/$t"/* "$out/corpus_$t/"
done
echo "built: $(for t in $targets; do printf '%s ' "$out/bin/fuzz_$t"; done)"
