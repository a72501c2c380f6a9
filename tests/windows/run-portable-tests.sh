#!/usr/bin/env bash
# run-portable-tests.sh [build-dir [gtest options...]]
# Builds the tests that need no window (settings files, caption table, screen sizes, slider
# and switch values, the slider thumb's place, the outline cut from a bitmap) for Windows with
# MinGW-w64, and runs them under Wine in the shared test session (wine-session.sh).
# Needs the Debian packages mingw-w64, wine, wine64, googletest.
set -euo pipefail
[[ -n "${KELDRA_WINE_SESSION:-}" ]] || exec "$(dirname "$0")/wine-session.sh" "$0" "$@"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/portable-windows}"
shift || true
cmake -S "$root/tests/windows/portable" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target portable_tests_windows

# Symbolic links and hard links are Linux-only cases of the portable tests.
"$KELDRA_WINE" "$build/portable_tests_windows.exe" --gtest_filter='-*Link*' "$@"
