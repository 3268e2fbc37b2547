#!/bin/bash
# The hotkey under Wine, with the stand-in's main window active and Vorn
# hidden: from the moment just before `xdotool key KP_Subtract`
# (CLOCK_MONOTONIC_RAW) to Vorn's window being shown, the foreground window,
# with the focus in Edit1 (seen by window-watch.exe through Wine's performance
# counter, the same clock); and on to the stand-in's confirm click after
# "7100.5" and Enter are typed (xdotool's default 12 ms between keys) and
# AutoHide puts the window away. Median over N runs (default 50).
#
#   VORN_BUILD=<windows build dir> bench/e2e_vorn_hotkey.sh [N]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
runs=${1:-50}

e2e_setup
dir="$E2E_TMP/vorn"
mkdir -p "$dir"
cp "$VORN_SOURCE/scripts/demo/Stations.txt" "$dir/"
sed 's/^Checked=0/Checked=1/' "$VORN_SOURCE/scripts/demo/Vorn.ini" >"$dir/Vorn.ini"
e2e_start_receiver
e2e_start_watch
e2e_start_vorn "$dir"
e2e_wait_vorn
e2e_activate Perseus-Vorn
xdotool key KP_Subtract
e2e_wait_for 20 "Vorn to hide" e2e_vorn_hidden

confirm_count() { grep -c $'\tclick\tFrequency\tkHz$' "$E2E_RECEIVER_LOG" || true; }
more_confirms() { (($(confirm_count) > $1)); }

to_focused=() to_confirm=()
for ((run = 0; run < runs; run++)); do
  e2e_activate Perseus
  before=$(confirm_count)
  t0=$(e2e_stamp xdotool key KP_Subtract)
  focused=$(e2e_watch $'focused\tVornForm\tPerseus-Vorn\tEdit')
  [[ $focused =~ ^[0-9]+$ ]] || e2e_fail "Vorn did not come up focused in run $run"
  xdotool type 7100.5
  xdotool key Return
  e2e_wait_for 30 "the confirm click of run $run" more_confirms "$before"
  [[ $(e2e_watch $'hidden\tVornForm\tPerseus-Vorn') =~ ^[0-9]+$ ]] || e2e_fail "AutoHide did not hide Vorn"
  confirm=$(awk -F'\t' '$2 == "click" && $4 == "kHz" { t = $1 } END { print t }' "$E2E_RECEIVER_LOG")
  to_focused+=($((focused - t0)))
  to_confirm+=($((confirm - t0)))
done

echo "Hotkey keystroke under Wine, $runs runs (milliseconds, median; min..max):"
e2e_report_ms to_focused "${to_focused[@]}"
e2e_report_ms to_confirm "${to_confirm[@]}"
echo "  (to_confirm includes typing 7 keys with xdotool's 12 ms pacing)"
