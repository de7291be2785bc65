#!/bin/sh
# Builds the reader fuzz targets with clang's libFuzzer and AddressSanitizer. Not part of
# the CMake build. Usage: tests/fuzz/build.sh [output folder]   (default build-fuzz)
# Run:  build-fuzz/fuzz_text_reader -max_total_time=300 build-fuzz/corpus_text
#       build-fuzz/fuzz_xml_reader  -max_total_time=300 build-fuzz/corpus_xml
#       build-fuzz/fuzz_attachment_list -max_total_time=300 build-fuzz/corpus_attachment_list
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/build-fuzz}
mkdir -p "$out" "$out/corpus_text" "$out/corpus_xml"
cxx=${CXX:-clang++}
flags="-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I$root/src $(pkg-config --cflags Qt6Core pugixml)"
libs="$(pkg-config --libs Qt6Core pugixml)"
common="$root/src/core/text_submission.cpp $root/src/core/exchange_xml.cpp
        $root/src/core/field_access.cpp $root/src/core/boundary_walkers.cpp
        $root/src/core/app_state.cpp $root/src/platform/vb.cpp $root/src/platform/text_file.cpp
        $root/src/platform/fs.cpp $root/src/platform/dialogs.cpp $root/src/platform/atomic_file.cpp"
for t in text xml; do
    $cxx $flags -o "$out/fuzz_${t}_reader" "$root/tests/fuzz/fuzz_${t}_reader.cpp" $common $libs
done
# Seeds: the reference files of the tests.
cp "$root/tests/fixtures/kind2_submission.txt" "$out/corpus_text/" 2>/dev/null || true
cp "$root/tests/fixtures/kind2_exchange.xml" "$out/corpus_xml/" 2>/dev/null || true
# The attachment-list and package-list reader.
mkdir -p "$out/corpus_attachment_list"
attach="$root/src/attachments/list_document.cpp $root/src/attachments/attachment_list.cpp
        $root/src/attachments/package_builder.cpp $root/src/attachments/package_swap.cpp
        $root/src/attachments/package_files.cpp
        $root/src/attachments/package_reader.cpp $root/src/core/work_lists.cpp $root/src/core/shell.cpp
        $root/src/core/app_state.cpp $root/src/platform/vb.cpp $root/src/platform/text_file.cpp
        $root/src/platform/fs.cpp $root/src/platform/dialogs.cpp $root/src/platform/atomic_file.cpp"
$cxx $flags -o "$out/fuzz_attachment_list" "$root/tests/fuzz/fuzz_attachment_list.cpp" $attach $libs
cp "$root"/data/xmlmb/*.xml "$out/corpus_attachment_list/" 2>/dev/null || true
# The import of the authority's Access dictionary, through the system's libmdb, loaded by
# its SONAME as the program loads it (its own code is not instrumented: crashes inside it
# show as signals). Seeds: the fixture dictionaries.
# Run: build-fuzz/fuzz_mdb_dictionary -max_len=600000 -rss_limit_mb=4096 build-fuzz/corpus_mdb
mkdir -p "$out/corpus_mdb"
mdb_soname=$(objdump -p "$(pkg-config --variable=libdir libmdb)/libmdb.so" | sed -n 's/^ *SONAME *//p')
[ -n "$mdb_soname" ] || { echo "build.sh: no SONAME found for libmdb" >&2; exit 1; }
$cxx $flags -DMF_SOURCE_DIR="\"$root\"" -DMF_LIBMDB_SONAME="\"$mdb_soname\"" $(pkg-config --cflags libmdb sqlite3) \
    -o "$out/fuzz_mdb_dictionary" "$root/tests/fuzz/fuzz_mdb_dictionary.cpp" "$root/src/core/dictionary_mdb.cpp" \
    "$root/src/core/mdb_library.cpp" "$root/src/platform/loaded_library.cpp" $libs $(pkg-config --libs sqlite3)
cp "$root"/tests/fixtures/dict/*.mdb "$out/corpus_mdb/" 2>/dev/null || true
echo "built $out/fuzz_text_reader $out/fuzz_xml_reader $out/fuzz_attachment_list $out/fuzz_mdb_dictionary"
