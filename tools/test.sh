#!/usr/bin/env bash
# Installs what the build needs (on Debian 12), builds Tournel and runs every
# test: first a normal build, then one with the address and undefined-behaviour
# sanitizers. Run from anywhere; as root it installs the packages itself,
# otherwise through sudo. TOURNEL_SKIP_INSTALL=1 skips the installation.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

# The tests also open the web pages in a headless browser, read the calendar
# files back with an independent parser and build the Debian package.
TOURNEL_PACKAGES+=(chromium python3-icalendar dpkg-dev file)

if [ "${TOURNEL_SKIP_INSTALL:-0}" != 1 ]; then
    tournel_install_packages
fi

tools/check-format.sh

jobs=${TOURNEL_JOBS:-2}
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

echo "== build and test =="
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOURNEL_WERROR=ON -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-test -j"$jobs"
ctest --test-dir build-test -j"$jobs" --timeout 300

echo "== the Debian package, installed and run =="
tools/package-test.sh build-test

echo "== sanitizer build and test =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOURNEL_SANITIZE=ON -DTOURNEL_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp \
    ctest --test-dir build-asan -j"$jobs" --timeout 600

echo "== fuzz the file reader and the other outside texts =="
# Short, bounded runs that fail on any crash, hang or leak. Each target starts
# from its kept corpus in tests/data/fuzz/<target>/ (read only: new inputs go
# to a temporary directory); the database reader also from the golden files.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTOURNEL_FUZZ=ON \
    -DTOURNEL_SANITIZE=ON -DTOURNEL_WERROR=ON -DTOURNEL_BUILD_UI=OFF -DTOURNEL_BUILD_BENCH=OFF
fuzz_targets=(reader tips text_codec dialog_text spreadsheet)
cmake --build build-fuzz -j"$jobs" --target "${fuzz_targets[@]/#/tournel_fuzz_}"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir "$corpus/reader-seed"
for case in tests/data/format/*/; do
    cp "$case/database.tnd" "$corpus/reader-seed/$(basename "$case").tnd"
done
for target in "${fuzz_targets[@]}"; do
    if [ "$target" = reader ]; then
        seconds=${TOURNEL_FUZZ_SECONDS:-60}
        seeds=("$corpus/reader-seed" tests/data/fuzz/reader)
        max_len=16384
    else
        seconds=${TOURNEL_FUZZ_OTHER_SECONDS:-20}
        seeds=(tests/data/fuzz/"$target")
        max_len=8192
    fi
    echo "-- fuzz $target for $seconds s"
    mkdir "$corpus/$target"
    build-fuzz/tests/fuzz/tournel_fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -artifact_prefix="$PWD/build-fuzz/$target-" "$corpus/$target" "${seeds[@]}"
done
