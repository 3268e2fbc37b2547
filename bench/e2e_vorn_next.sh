#!/bin/bash
# The Next hotkey to the confirm click, under Wine, against the main path's
# Enter to the confirm click in the same run: Vorn.exe has a one-row list at
# 7100.5 kHz and Next on F7. Runs alternate: F7 pressed while the stand-in is
# the active window, and "7100.5" typed into Edit1 and Enter pressed. Each is
# timed from the moment just before `xdotool key` (CLOCK_MONOTONIC_RAW) to the
# stand-in's log time of the keypad's confirm click (Wine's performance
# counter, the same clock). Medians over N runs of each (default 50) and
# their ratio.
#
#   VORN_BUILD=<windows build dir> bench/e2e_vorn_next.sh [N]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
runs=${1:-50}

e2e_setup
dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
printf '%s\r\n' '   7100.5; 1.6;  LSB; "Bench"' >"$dir/Stations.txt"
sed -i 's/^Key=109\r\?$/Key=109\r\nNext=118\r/' "$dir/Vorn.ini"
e2e_start_receiver
e2e_start_watch
e2e_start_vorn "$dir"
e2e_wait_vorn
e2e_wait_for 20 "the Next hotkey" e2e_wintree atom HotKeyManagerHotKey118
edit1=$(e2e_child Perseus-Vorn Edit 1)

confirm_count() { grep -c $'\tclick\tFrequency\tkHz$' "$E2E_RECEIVER_LOG" || true; }
more_confirms() { (($(confirm_count) > $1)); }
last_confirm() { awk -F'\t' '$2 == "click" && $3 == "Frequency" && $4 == "kHz" { t = $1 } END { print t }' "$E2E_RECEIVER_LOG"; }
# Presses KEY (the stamp just before it) and prints the microseconds to the confirm click.
time_key() {
  local before t0
  before=$(confirm_count)
  t0=$(e2e_stamp xdotool key "$1")
  e2e_wait_for 30 "the confirm click after $1" more_confirms "$before"
  echo $(($(last_confirm) - t0))
}

next=() enter=()
for ((run = 0; run < runs; run++)); do
  e2e_activate Perseus
  next+=("$(time_key F7)")
  # The receiver's clicked button takes the activation under Wine: give it back.
  e2e_activate Perseus-Vorn
  xdotool type --delay 5 7100.5
  [[ $(e2e_watch "text"$'\t'"$edit1"$'\t'"7100.5") =~ ^[0-9]+$ ]] || e2e_fail "Edit1 never held 7100.5"
  enter+=("$(time_key Return)")
done

next_median=$(printf '%s\n' "${next[@]}" | e2e_median)
enter_median=$(printf '%s\n' "${enter[@]}" | e2e_median)
echo "Keystroke to the stand-in's confirm click, $runs runs each (ms: median (least..greatest)):"
e2e_report_ms "Next (F7)" "${next[@]}"
e2e_report_ms "Enter" "${enter[@]}"
echo "  ratio Next / Enter: $(e2e_ratio "$next_median" "$enter_median") (goal <= 1.2)"
