#!/usr/bin/env bash
# Runs the whole end-to-end suite N times in a row (default 10), to catch
# scenarios that fail only now and then. Prints why each failing scenario
# failed (its FAIL: and ERR: lines), then the totals. The runs' full output
# stays in build/windows/soak/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
[[ $runs =~ ^[1-9][0-9]*$ ]] || {
  echo "usage: scripts/soak.sh [N]" >&2
  exit 2
}

cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
logs=build/windows/soak
rm -rf "$logs"
mkdir -p "$logs"

scenarios=0 failures=0
for ((run = 1; run <= runs; run++)); do
  log=$logs/run-$run.log
  ctest --preset windows -L e2e --output-on-failure >"$log" 2>&1 || true
  total=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log")
  failed=$(sed -n 's/.* \([0-9]*\) tests failed out of .*/\1/p' "$log")
  if [[ -z $total || -z $failed ]]; then
    echo "run $run: ctest ran no tests, see $log" >&2
    exit 1
  fi
  scenarios=$((scenarios + total)) failures=$((failures + failed))
  echo "run $run: $((total - failed))/$total passed"
  # A failing test's output follows its result line, up to the next test's start.
  awk -v run="$run" '
    / Test +#[0-9]+: / {
      if (name != "" && !said) print "  run " run ", " name ": failed without a FAIL: or ERR: line"
      name = ""
      if ($0 ~ /\*\*\*|Failed/) { name = $0; sub(/.*#[0-9]+: /, "", name); sub(/ .*/, "", name); said = 0 }
      next
    }
    /^ +Start +[0-9]+: / || /tests passed, / {
      if (name != "" && !said) print "  run " run ", " name ": failed without a FAIL: or ERR: line"
      name = ""
      next
    }
    name != "" && /^(FAIL: |ERR: |  at )/ { print "  run " run ", " name ": " $0; said = 1 }
  ' "$log"
done
echo "soak: $runs runs of the end-to-end suite, $scenarios scenario runs, $failures failed"
((failures == 0))
