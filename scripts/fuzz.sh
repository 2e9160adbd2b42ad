#!/usr/bin/env bash
# fuzz.sh [-b BUILD] [-j JOBS] [SECONDS] [TARGET...]: builds the libFuzzer
# targets of fuzz/ in build/BUILD (default asan, the ASan + UBSan build of
# scripts/test.sh) and runs each for SECONDS (default 60), JOBS at a time
# (default 1). Every target starts from its seeds in fuzz/corpus/TARGET and
# grows its own corpus in build/BUILD/fuzz-corpus/TARGET; a crash, leak,
# sanitizer report or input slower than 10 s is written to
# build/BUILD/fuzz-artifacts/. Ends with each target's final libFuzzer stats
# line and exits non-zero when any target failed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

build=asan
jobs=1
while getopts "b:j:" option; do
  case "$option" in
    b) build="$OPTARG" ;;
    j) jobs="$OPTARG" ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
seconds="${1:-60}"
if (($# > 0)); then shift; fi
targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in "$root"/fuzz/*_fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

build_dir="$root/build/$build"
if [[ -f "$build_dir/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build_dir" -DVP_FUZZ=ON >/dev/null
else
  # The configuration of the ASan + UBSan stage of scripts/test.sh.
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVP_SANITIZE=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVP_BUILD_BENCH=OFF -DVP_FUZZ=ON >/dev/null
fi
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1
mkdir -p "$build_dir/fuzz-logs" "$build_dir/fuzz-artifacts"

# The generated data folder of any build (the generator writes the same
# bytes in every one), or nothing when no build has generated it yet.
generated_data() {
  local data
  for data in "$root"/build/*/game/Data; do
    if [[ -d "$data" ]]; then echo "$data"; return; fi
  done
}

# Writes each generated file of one extension into the seed folder, after
# the leading bytes the target expects (a printf format); false when there
# is no generated folder.
generated_seeds() {
  local extension="$1" seeds="$2" prefix="$3"
  local data file
  data="$(generated_data)"
  if [[ -z "$data" ]]; then return 1; fi
  mkdir -p "$seeds"
  while IFS= read -r -d '' file; do
    { printf "$prefix"; cat "$file"; } >"$seeds/$(basename "$file")"
  done < <(find "$data" -path "$data/Cache" -prune -o -type f -name "*.$extension" -print0)
}

# Seeds that are not ours to commit, copied in at run time. The TrueType
# target starts from two of the smaller DejaVu faces of fonts-dejavu-core
# (one fixed-width, one proportional): each seed renders every 8-bit glyph
# under the sanitizers, so the larger faces would spend a short run on
# replaying seeds alone. The level and round-set targets start from the
# shipped rounds and sets, when the content has been generated.
outside_seeds() {
  local target="$1"
  local seeds="$build_dir/fuzz-seeds/$target"
  case "$target" in
    truetype_face_fuzz)
      mkdir -p "$seeds"
      cp /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf \
        /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf "$seeds/"
      echo "$seeds"
      ;;
    level_file_fuzz)
      # An even first byte picks the "Rounds" library.
      if generated_seeds Vantrell "$seeds" '\0'; then echo "$seeds"; fi
      ;;
    round_set_fuzz)
      if generated_seeds VantrellZK "$seeds" ''; then echo "$seeds"; fi
      ;;
  esac
}

# The target's own output (every fatal report of every broken input) is
# closed; libFuzzer and the sanitizers report on a channel of their own.
# Inputs are timed out at 10 s, not libFuzzer's 1 s: every target runs
# beside the others under the sanitizers, and a loaded machine makes a
# one-second input of a real font or archive look like a hang.
run_target() {
  local target="$1"
  local corpus="$build_dir/fuzz-corpus/$target"
  local status=0
  local seeds=()
  mkdir -p "$corpus"
  if [[ -d "$root/fuzz/corpus/$target" ]]; then seeds+=("$root/fuzz/corpus/$target"); fi
  local outside
  outside="$(outside_seeds "$target")"
  if [[ -n "$outside" ]]; then seeds+=("$outside"); fi
  "$build_dir/$target" -max_total_time="$seconds" -timeout=10 -close_fd_mask=3 \
    -artifact_prefix="$build_dir/fuzz-artifacts/$target-" \
    "$corpus" "${seeds[@]}" >"$build_dir/fuzz-logs/$target.log" 2>&1 || status=$?
  echo "$status" >"$build_dir/fuzz-logs/$target.status"
}

running=0
for target in "${targets[@]}"; do
  if ((running >= jobs)); then
    wait -n
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
wait

failed=0
for target in "${targets[@]}"; do
  if [[ "$(cat "$build_dir/fuzz-logs/$target.status")" == 0 ]]; then
    printf '%-24s %s\n' "$target" "$(grep -E '^#[0-9]+[[:space:]]+DONE' "$build_dir/fuzz-logs/$target.log" | tail -1)"
  else
    failed=1
    printf '%-24s FAILED, see %s\n' "$target" "$build_dir/fuzz-logs/$target.log"
  fi
done
exit "$failed"
