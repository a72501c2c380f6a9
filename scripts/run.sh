#!/usr/bin/env bash
# Sets everything up and shows what the editor reads from an example game folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp examples/game-folder/* "$folder"/
ini=build/release/tools/keldra-ini/keldra-ini
echo "Example game folder: $folder"
for key in SIZE_X SIZE_Y FULLSCREEN GLOW_LEVEL GAMMA; do
  printf '  VIDEO %-11s = %s\n' "$key" "$("$ini" get "$folder/CONFIG.INI" VIDEO "$key")"
done
printf '  caption IDOK       = %s\n' "$("$ini" get "$folder/T_CONFIG.INI" RES_TEXT IDOK OK)"
"$ini" set "$folder/CONFIG.INI" VIDEO FULLSCREEN FALSE
printf '  after "set VIDEO FULLSCREEN FALSE": %s\n' "$("$ini" get "$folder/CONFIG.INI" VIDEO FULLSCREEN)"
