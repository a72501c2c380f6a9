#!/usr/bin/env bash
# Sets everything up and starts the editor on the example game folder of this repository
# (a copy of examples/game-folder in build/example-game, kept between runs).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo

game=build/example-game
if [[ ! -d "$game" ]]; then
  mkdir -p "$game"
  cp examples/game-folder/* "$game"/
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run.sh: no desktop to show the editor on (neither DISPLAY nor WAYLAND_DISPLAY is set);" \
       "run it from a desktop session, or on a virtual screen: xvfb-run -a ./scripts/run.sh" >&2
  exit 1
fi
echo "Editing $game/CONFIG.INI"
cd "$game"
exec ../release/src/app/keldra-config
