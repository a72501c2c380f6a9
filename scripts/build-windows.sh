#!/usr/bin/env bash
# build-windows.sh [cmake options...]: cross-compiles keldra-config.exe and keldra-ini.exe
# for 64-bit Windows with MinGW-w64 into build/windows (Release, statically linked).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/windows
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64-x86_64.cmake" "$@" >/dev/null
cmake --build "$dir"
(cd "$dir" && cpack -G ZIP >/dev/null)
echo "build-windows: $dir/src/app/keldra-config.exe"
echo "build-windows: $dir/tools/keldra-ini/keldra-ini.exe"
echo "build-windows: $dir/keldra-config-$(sed -n 's/^project(keldra_config VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-windows-x64.zip"
