#!/usr/bin/env bash
# Installs what the build needs (on Debian 12), builds Tournel and runs every
# test: first a normal build, then one with the address and undefined-behaviour
# sanitizers. Run from anywhere; as root it installs the packages itself,
# otherwise through sudo. TOURNEL_SKIP_INSTALL=1 skips the installation.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

if [ "${TOURNEL_SKIP_INSTALL:-0}" != 1 ]; then
    tournel_install_packages
fi

tools/check-format.sh

jobs=${TOURNEL_JOBS:-2}
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

echo "== build and test =="
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOURNEL_WERROR=ON
cmake --build build-test -j"$jobs"
ctest --test-dir build-test -j"$jobs" --timeout 300

echo "== sanitizer build and test =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOURNEL_SANITIZE=ON -DTOURNEL_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp \
    ctest --test-dir build-asan -j"$jobs" --timeout 600
