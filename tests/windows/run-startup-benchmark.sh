#!/usr/bin/env bash
# run-startup-benchmark.sh <linux build> <windows build>
# Exec to a mapped window under Wine: keldra-config.exe next to a minimal Win32 program that
# opens one 456 x 653 dialog, alternating, on the shared Wine test desktop (wine-session.sh).
# Prints both medians and their ratio. The benchmark itself is built by the Linux build
# (wine_startup_latency_bench); the two programs by the Windows build.
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: $0 <linux build> <windows build>" >&2; exit 2; }
[[ -n "${KELDRA_WINE_SESSION:-}" ]] || exec "$(dirname "$0")/wine-session.sh" "$0" "$@"
bench=$(realpath "$1")/bench/wine_startup_latency_bench
export KELDRA_WINDOWS_BUILD=$(realpath "$2")
[[ -x $bench ]] || { echo "run-startup-benchmark: $bench is not built" >&2; exit 1; }
exec "$bench" --benchmark_counters_tabular=true
