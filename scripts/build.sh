#!/usr/bin/env bash
# build.sh NAME [cmake options...]: configures and builds build/NAME.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="$1"; shift
build_dir="$root/build/$name"
cmake -S "$root" -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
