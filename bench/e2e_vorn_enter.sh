#!/bin/bash
# Enter to the confirm click, under Wine: Vorn.exe is up with "7100.5" typed
# into Edit1 (checked through the window's text before every run); the moment
# just before `xdotool key Return` (CLOCK_MONOTONIC_RAW) is compared with the
# stand-in's log time of the keypad's confirm click (Wine's performance
# counter, the same clock). Median over N runs (default 50).
#
#   VORN_BUILD=<windows build dir> bench/e2e_vorn_enter.sh [N]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
runs=${1:-50}

e2e_setup
dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
e2e_start_receiver
e2e_start_watch
e2e_start_vorn "$dir"
e2e_wait_vorn
edit1=$(e2e_child Perseus-Vorn Edit 1)

confirm_count() { grep -c $'\tclick\tFrequency\tkHz$' "$E2E_RECEIVER_LOG" || true; }
more_confirms() { (($(confirm_count) > $1)); }

first_click=() to_confirm=()
for ((run = 0; run < runs; run++)); do
  # The receiver's clicked button takes the activation under Wine: give it back.
  e2e_activate Perseus-Vorn
  xdotool type --delay 5 7100.5
  [[ $(e2e_watch "text"$'\t'"$edit1"$'\t'"7100.5") =~ ^[0-9]+$ ]] || e2e_fail "Edit1 never held 7100.5"
  before=$(confirm_count)
  t0=$(e2e_stamp xdotool key Return)
  e2e_wait_for 30 "the confirm click of run $run" more_confirms "$before"
  # The last keying in the log: its first click and its confirm click.
  read -r first confirm < <(awk -F'\t' '$2 == "click" && $3 == "Frequency" {
      if ($4 == "7" && !open) { first = $1; open = 1 }
      if ($4 == "kHz") { last = first " " $1; open = 0 } } END { print last }' "$E2E_RECEIVER_LOG")
  first_click+=($((first - t0)))
  to_confirm+=($((confirm - t0)))
done

echo "Enter keystroke to the stand-in's clicks, $runs runs (microseconds, median; min..max):"
for name in first_click to_confirm; do
  declare -n values=$name
  printf '  %-12s %8s  (%s..%s)\n' "$name" "$(printf '%s\n' "${values[@]}" | e2e_median)" \
    "$(printf '%s\n' "${values[@]}" | sort -n | head -n 1)" "$(printf '%s\n' "${values[@]}" | sort -n | tail -n 1)"
done
