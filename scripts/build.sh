#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: configures (once) and builds with Ninja.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir"
