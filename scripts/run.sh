#!/usr/bin/env bash
# Installs what is missing, builds the game, generates its starter content
# into its program folder in the build tree (build/release/game/) and
# starts it there. Arguments go to the program ("/exit" starts it, loads
# its resources and ends with 0).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_dependencies.sh"
"$root/scripts/build.sh" release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVP_BUILD_TESTS=OFF -DVP_BUILD_BENCH=OFF
program_folder="$root/build/release/game"
"$root/build/release/vp_content" "$program_folder"
exec "$program_folder/vantrell" "$@"
