#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: once
# with warnings as errors and once under AddressSanitizer and
# UndefinedBehaviorSanitizer; builds and runs the tests labelled "threads"
# under ThreadSanitizer; then runs each fuzz target of the sanitizer build
# briefly. Exits non-zero on any failure.
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

# run_suite BUILD [ctest options...]
run_suite() {
  local build="$1"; shift
  ctest --test-dir "$root/build/$build" --output-on-failure --parallel "$jobs" --timeout 300 "$@"
}

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1

stage "install dependencies" "$root/scripts/install_dependencies.sh"
stage "build (warnings as errors)" "$root/scripts/build.sh" werror -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVP_WERROR=ON
# The generated data folder must pass the checks a shipped one does.
lint_content() {
  local build="$1"
  cmake --build "$root/build/$build" --target content >/dev/null
  "$root/build/$build/content_lint" "$root/build/$build/game/Data" "$root/content/README.md"
}

stage "tests (warnings as errors build)" run_suite werror
stage "content lint (warnings as errors build)" lint_content werror
stage "build (ASan + UBSan, with the fuzz targets)" "$root/scripts/build.sh" asan -DCMAKE_BUILD_TYPE=Debug \
  -DVP_SANITIZE=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVP_BUILD_BENCH=OFF -DVP_FUZZ=ON
stage "tests (ASan + UBSan build)" run_suite asan
# ThreadSanitizer slows a program down several times over, so its build
# holds only the tests that run shared state from several threads.
stage "build (ThreadSanitizer, tests labelled threads)" "$root/scripts/build.sh" tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVP_TSAN=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVP_BUILD_BENCH=OFF
stage "tests (ThreadSanitizer build)" run_suite tsan -L threads
# A short run keeps every fuzz target building and replays its seeds and
# grown corpus; longer searches are scripts/fuzz.sh's.
stage "fuzz targets (10 s each)" "$root/scripts/fuzz.sh" -b asan -j "$jobs" 10
