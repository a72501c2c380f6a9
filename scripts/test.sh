#!/usr/bin/env bash
# Sets everything up and runs every test: the plain build, the same suite under the
# address and undefined-behaviour sanitizers, the settings fuzzer for a minute, and the
# Windows build: its programs' imports, the editor under Wine, and keldra-ini's results
# compared between Linux and Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
echo "== build and test"
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The Wine tests (label wine) run later, once the Windows build is there.
ctest --test-dir build/release --output-on-failure -j "$jobs" -LE wine

echo "== build and test with -fsanitize=address,undefined"
scripts/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKELDRA_SANITIZE=ON -DKELDRA_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs" -LE wine

echo "== fuzz the settings file for ${FUZZ_SECONDS:-60} seconds"
CC=clang CXX=clang++ scripts/build.sh build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELDRA_FUZZ=ON -DKELDRA_TESTS=OFF -DKELDRA_BENCH=OFF
mkdir -p build/fuzz/corpus
build/fuzz/tests/fuzz/settings_fuzzer -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 \
  -print_final_stats=1 build/fuzz/corpus tests/fuzz/seeds
echo "== build the Windows programs with MinGW-w64 and test them under Wine"
scripts/build-windows.sh
windows_programs=(build/windows/src/app/keldra-config.exe build/windows/tools/keldra-ini/keldra-ini.exe)
tests/windows/check-imports.sh "${windows_programs[@]}"
tests/windows/run-wine-tests.sh build/release build/windows
echo "== all tests passed"
