#!/usr/bin/env bash
# compare-builds.sh OLD_BUILD NEW_BUILD [ROUNDS]: the start-up and save benchmarks of two
# builds, taking turns, so both meet the machine in the same state. Build the benches in
# both first (ninja startup_latency_bench startup_bench settings_bench keldra-config).
set -euo pipefail
old=$1/bench
new=$2/bench
rounds=${3:-2}
for round in $(seq "$rounds"); do
  for side in old new; do
    dir=${!side}
    echo "== round $round: $side ($dir)"
    "$dir/startup_latency_bench" --benchmark_min_time=1 2>&1 | grep -E "^BM_" || true
    "$dir/startup_bench" --benchmark_min_time=1 2>&1 | grep -E "^BM_"
    "$dir/settings_bench" --benchmark_min_time=0.5 2>&1 | grep -E "^BM_"
  done
done
