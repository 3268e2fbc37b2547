#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds
# (default 600). Corpora live in the build tree; a crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

scripts/install-deps.sh
cmake --preset fuzz
cmake --build --preset fuzz

shopt -s nullglob
for source in fuzz/*.cpp; do
  name=$(basename "$source" .cpp)
  mkdir -p "build/fuzz/corpus/$name" build/fuzz/artifacts
  log=build/fuzz/$name.log
  echo "fuzzing $name for ${seconds}s"
  if ! "build/fuzz/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build/fuzz/artifacts/ "build/fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzzer $name found a failure" >&2
    exit 1
  fi
  grep -E 'stat::number_of_executed_units' "$log" || true
done
