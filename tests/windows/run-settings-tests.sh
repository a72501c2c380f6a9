#!/usr/bin/env bash
# run-settings-tests.sh [build-dir [gtest options...]]: builds the settings code and its tests for Windows with
# MinGW-w64 and runs them under Wine in a private, throw-away prefix.
# Needs the Debian packages mingw-w64, wine, wine64, googletest.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/w2win}"
shift || true
cmake -S "$root/tests/windows/settings" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target settings_tests_windows

prefix="$(mktemp -d)"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
wine=wine
[ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
wineboot -i >/dev/null 2>&1
# Symbolic links and hard links are Linux-only cases of the portable tests.
"$wine" "$build/settings_tests_windows.exe" \
  --gtest_filter='-*Link*' "$@"
