#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the editor need.
# Runs apt-get as root, or through sudo; does nothing when everything is there already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  # tools/check-layers.py (the layering test) and tools/mutation
  python3
  clang libclang-rt-14-dev clang-format
  # res/keldra.rc: llvm-rc-14 (llvm-14) with the MinGW-w64 <winresrc.h>
  llvm-14 mingw-w64-x86-64-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev libpng-dev
  # text shaping and right-to-left order; hb-shape and fonts for Arabic, Hebrew, Thai and
  # Devanagari are only for the tests
  libharfbuzz-dev libfribidi-dev libharfbuzz-bin fonts-noto-core
  fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei
  libsdl2-dev libx11-dev libxext-dev
  xvfb xdotool x11-utils x11-xserver-utils openbox imagemagick
  util-linux mount
  libsystemd-dev dbus-daemon desktop-file-utils
  # the Windows build (MinGW-w64's -posix compilers, binutils, windres) and its test under Wine
  mingw-w64 wine wine64 fonts-wine
  # tests/windows/run-portable-tests.sh builds GoogleTest from its sources (/usr/src/googletest)
  googletest
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo" >&2; exit 1; }
  as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
