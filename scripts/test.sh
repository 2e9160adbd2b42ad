#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: once
# with warnings as errors and once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each fuzz target of the sanitizer
# build briefly. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"

stage() {
  local title="$1"; shift
  local started=$SECONDS
  echo "=== $title"
  "$@"
  echo "=== $title took $((SECONDS - started)) s"
}

run_suite() {
  ctest --test-dir "$root/build/$1" --output-on-failure --parallel "$jobs" --timeout 300
}

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

stage "install dependencies" "$root/scripts/install_dependencies.sh"
stage "build (warnings as errors)" "$root/scripts/build.sh" werror -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVP_WERROR=ON
stage "tests (warnings as errors build)" run_suite werror
stage "build (ASan + UBSan, with the fuzz targets)" "$root/scripts/build.sh" asan -DCMAKE_BUILD_TYPE=Debug \
  -DVP_SANITIZE=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVP_BUILD_BENCH=OFF -DVP_FUZZ=ON
stage "tests (ASan + UBSan build)" run_suite asan
# A short run keeps every fuzz target building and replays its seeds and
# grown corpus; longer searches are scripts/fuzz.sh's.
stage "fuzz targets (10 s each)" "$root/scripts/fuzz.sh" -b asan -j "$jobs" 10
