#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from its program
# folder in the build tree (build/release/game/), whose "Data/" the content
# generator fills; until it has, an empty "Data/" is made so the program
# starts all the same. Arguments go to the program ("/exit" starts it, sets
# the screen up and ends with 0).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_dependencies.sh"
"$root/scripts/build.sh" release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVP_BUILD_TESTS=OFF -DVP_BUILD_BENCH=OFF
program_folder="$root/build/release/game"
mkdir -p "$program_folder/Data"
exec "$program_folder/vantrell" "$@"
