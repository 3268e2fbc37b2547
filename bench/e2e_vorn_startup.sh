#!/bin/bash
# Start-up under Wine: from the moment just before the program is started
# (CLOCK_MONOTONIC_RAW) to its first visible window (seen by window-watch.exe
# through Wine's performance counter, the same clock): for Vorn.exe (with the
# demo settings and list, against the stand-in), which starts hidden, its icon
# in Wine's system tray; in turn in the same run, for trivial-window.exe, a
# bare Win32 window, and for start-floor.exe, the windows Vorn makes before
# its icon and the icon, in plain Win32 calls. Median over N runs each
# (default 20), and Vorn's median against each of the other two.
#
# A build of the windows-trace preset also reports each program's steps: the
# time from the previous trace point (the first from the start) to each one.
#
#   VORN_BUILD=<windows build dir> bench/e2e_vorn_startup.sh [N]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
runs=${1:-20}

e2e_setup
dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
e2e_start_receiver
e2e_start_watch
stamp="$E2E_TMP/start.stamp"

# The trace points of the windows-trace build, "trace<TAB>microseconds<TAB>step"
# on stderr: each step's time from the previous point, by "program: step".
declare -A step_us=()
steps=()
collect_trace() {
  local name=$1 previous=$2 tag us step
  while IFS=$'\t' read -r tag us step; do
    [[ $tag == trace ]] || continue
    step="$name: ${step%$'\r'}"
    [[ -n ${step_us[$step]:-} ]] || steps+=("$step")
    step_us[$step]+="$((us - previous)) "
    previous=$us
  done <"$E2E_TMP/$name.err"
}

# Sets $elapsed to the microseconds from start to the shown window; ends the program.
time_start() {
  local name=$1 class=$2 title=$3 exe=$4 shown
  e2e_start_stamped "$name" "$stamp" "$exe"
  shown=$(e2e_watch "shown"$'\t'"$class"$'\t'"$title")
  [[ $shown =~ ^[0-9]+$ ]] || e2e_fail "$exe showed no window"
  elapsed=$((shown - $(cat "$stamp")))
  collect_trace "$name" "$(cat "$stamp")"
  e2e_stop "$name"
  [[ $(e2e_watch "hidden"$'\t'"$class"$'\t'"$title") =~ ^[0-9]+$ ]] || e2e_fail "$exe did not go"
}

vorn=() trivial=() floor=()
for ((run = 0; run < runs; run++)); do
  time_start trivial TrivialWindow Trivial trivial-window.exe
  trivial+=("$elapsed")
  time_start floor __winex11_tray_icon "" start-floor.exe
  floor+=("$elapsed")
  pushd "$dir" >/dev/null || e2e_fail "no folder $dir"
  time_start vorn __winex11_tray_icon "" Vorn.exe
  vorn+=("$elapsed")
  popd >/dev/null || e2e_fail "popd"
done

echo "Start to the first visible window under Wine (Vorn: its tray icon), $runs runs each (milliseconds, median; min..max):"
e2e_report_ms vorn "${vorn[@]}"
e2e_report_ms trivial "${trivial[@]}"
e2e_report_ms "start floor" "${floor[@]}"
median_of() { printf '%s\n' "$@" | e2e_median; }
echo "  vorn / trivial: $(e2e_ratio "$(median_of "${vorn[@]}")" "$(median_of "${trivial[@]}")")," \
  "vorn / start floor: $(e2e_ratio "$(median_of "${vorn[@]}")" "$(median_of "${floor[@]}")")"
if ((${#steps[@]} > 0)); then
  echo "Steps (milliseconds from the previous trace point, median; min..max):"
  for step in "${steps[@]}"; do
    # shellcheck disable=SC2086  # the list of times splits into arguments
    e2e_report_ms "$step" ${step_us[$step]}
  done
fi
