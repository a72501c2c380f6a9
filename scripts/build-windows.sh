#!/usr/bin/env bash
# build-windows.sh [cmake options...]: cross-compiles keldra-config.exe and keldra-ini.exe
# for 64-bit Windows with MinGW-w64 into build/windows (Release, statically linked).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/windows
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64-x86_64.cmake" "$@" >/dev/null
cmake --build "$dir"
echo "build-windows: $dir/src/app/keldra-config.exe"
echo "build-windows: $dir/tools/keldra-ini/keldra-ini.exe"
