#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from the starter
# content in the repository.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_dependencies.sh"
"$root/scripts/build.sh" release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVP_BUILD_TESTS=OFF -DVP_BUILD_BENCH=OFF
exec "$root/build/release/vantrell" "$@"
