#!/usr/bin/env bash
# run-wine-tests.sh <linux build> <windows build>
# Every test of the Windows build under Wine, one after the other on one shared desktop and
# prefix (wine-session.sh): the smoke test, keldra-ini against the Linux keldra-ini, the
# portable suites built for Windows, the desktop and differential tests (ctest label wine,
# built by the Linux build), and the start-up benchmark.
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: $0 <linux build> <windows build>" >&2; exit 2; }
[[ -n "${KELDRA_WINE_SESSION:-}" ]] || exec "$(dirname "$0")/wine-session.sh" "$0" "$@"
cd "$(dirname "$0")/../.."
linux=$(realpath "$1")
export KELDRA_WINDOWS_BUILD=$(realpath "$2")

echo "== the editor under Wine: smoke test"
tests/windows/wine-smoke.sh "$KELDRA_WINDOWS_BUILD/src/app/keldra-config.exe" res/CONFIG.INI
echo "== keldra-ini on Linux and on Windows (under Wine): same output, status and file"
tests/windows/keldra-ini-compare.sh "$linux/tools/keldra-ini/keldra-ini" \
  "$KELDRA_WINDOWS_BUILD/tools/keldra-ini/keldra-ini.exe"
echo "== the portable test suites built for Windows, run under Wine"
tests/windows/run-portable-tests.sh build/portable-windows
echo "== keldra-config.exe on the desktop, and the same actions on both builds"
# One at a time: the tests share the desktop and the pointer.
ctest --test-dir "$linux" -L wine --output-on-failure -j 1
echo "== start-up under Wine: keldra-config.exe next to a minimal Win32 dialog"
tests/windows/run-startup-benchmark.sh "$linux" "$KELDRA_WINDOWS_BUILD"
