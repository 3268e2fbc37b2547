#!/bin/bash
# The hotkey under Wine, with the stand-in's main window active and the
# program hidden: from the moment just before `xdotool key KP_Subtract`
# (CLOCK_MONOTONIC_RAW) to the program's window being shown, the foreground
# window, with the focus in its edit (seen by window-watch.exe through Wine's
# performance counter, the same clock). For Vorn (Edit1), and on to the
# stand-in's confirm click after "7100.5" and Enter are typed (xdotool's
# default 12 ms between keys) and AutoHide puts the window away; for
# hotkey-floor.exe, the least a program can do on the same hotkey, Enter
# hides it. Both cannot hold the hotkey at once, so they take turns in
# rounds of a few runs each. Median and 90th percentile over N runs each
# (default 50).
#
#   VORN_BUILD=<windows build dir> bench/e2e_vorn_hotkey.sh [N]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
runs=${1:-50}
rounds=$((runs < 5 ? runs : 5))

e2e_setup
dir="$E2E_TMP/vorn"
mkdir -p "$dir"
cp "$VORN_SOURCE/scripts/demo/Stations.txt" "$dir/"
sed 's/^Checked=0/Checked=1/' "$VORN_SOURCE/scripts/demo/Vorn.ini" >"$dir/Vorn.ini"
e2e_start_receiver
e2e_start_watch

confirm_count() { grep -c $'\tclick\tFrequency\tkHz$' "$E2E_RECEIVER_LOG" || true; }
more_confirms() { (($(confirm_count) > $1)); }
vorn_hidden() { e2e_vorn_hidden; }
x_focus_on() { [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == "$1" ]]; }
floor_gone() { ! e2e_wintree list | grep -q $'\tHotkeyFloor\t'; }
floor_said() { grep -qsE '^(ready|taken)' "$E2E_TMP/floor.out"; }

# Sets $pressed to the moment of the keystroke and $elapsed to the
# microseconds from it to the focused edit.
press_hotkey() {
  local class=$1 title=$2 focused
  e2e_activate Perseus
  pressed=$(e2e_stamp xdotool key KP_Subtract)
  focused=$(e2e_watch "focused"$'\t'"$class"$'\t'"$title"$'\tEdit')
  [[ $focused =~ ^[0-9]+$ ]] || e2e_fail "$title did not come up focused"
  elapsed=$((focused - pressed))
}

to_focused=() to_confirm=() floor=()

vorn_round() {
  local run before confirm
  e2e_start_vorn "$dir"
  e2e_wait_vorn
  e2e_activate Perseus-Vorn
  xdotool key KP_Subtract
  e2e_wait_for 20 "Vorn to hide" vorn_hidden
  for ((run = 0; run < $1; run++)); do
    before=$(confirm_count)
    press_hotkey VornForm Perseus-Vorn
    to_focused+=("$elapsed")
    # The window's focus comes before the X focus, which the typed keys follow.
    e2e_wait_for 10 "the X focus on Vorn" x_focus_on Perseus-Vorn
    xdotool type 7100.5
    xdotool key Return
    e2e_wait_for 30 "the confirm click" more_confirms "$before"
    [[ $(e2e_watch $'hidden\tVornForm\tPerseus-Vorn') =~ ^[0-9]+$ ]] || e2e_fail "AutoHide did not hide Vorn"
    confirm=$(awk -F'\t' '$2 == "click" && $4 == "kHz" { t = $1 } END { print t }' "$E2E_RECEIVER_LOG")
    to_confirm+=($((confirm - pressed)))
  done
  e2e_stop vorn
}

# The hotkey is free again once the ended program's windows are gone.
start_floor() {
  local deadline=$((SECONDS + 20))
  while :; do
    # Not the previous start's answer.
    rm -f "$E2E_TMP/floor.out"
    e2e_start floor hotkey-floor.exe
    e2e_wait_for 30 "the floor program to start" floor_said
    grep -q '^ready' "$E2E_TMP/floor.out" && return
    e2e_wait_exit 10 floor
    ((SECONDS < deadline)) || e2e_fail "the hotkey stayed taken"
  done
}

floor_round() {
  local run
  start_floor
  for ((run = -1; run < $1; run++)); do
    press_hotkey HotkeyFloor "Hotkey Floor"
    ((run < 0)) || floor+=("$elapsed")
    e2e_wait_for 10 "the X focus on the floor" x_focus_on "Hotkey Floor"
    xdotool key Return
    [[ $(e2e_watch $'hidden\tHotkeyFloor\tHotkey Floor') =~ ^[0-9]+$ ]] || e2e_fail "Enter did not hide the floor"
  done
  e2e_stop floor
  # Vorn does not say whether it got the hotkey: it must be free before it starts.
  e2e_wait_for 20 "the floor's window to go" floor_gone
}

for ((round = 0; round < rounds; round++)); do
  count=$(((runs * (round + 1)) / rounds - (runs * round) / rounds))
  floor_round "$count"
  vorn_round "$count"
done

# The 90th percentile of the numbers given (nearest rank).
p90() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { r = int((NR * 9 + 9) / 10); print v[r] }'
}

echo "Hotkey keystroke under Wine, $runs runs each (milliseconds, median; min..max):"
e2e_report_ms to_focused "${to_focused[@]}"
e2e_report_ms floor "${floor[@]}"
e2e_report_ms to_confirm "${to_confirm[@]}"
echo "  (to_confirm includes typing 7 keys with xdotool's 12 ms pacing)"
printf '  90th percentile: to_focused %.1f, floor %.1f\n' \
  "$(awk -v v="$(p90 "${to_focused[@]}")" 'BEGIN { print v / 1000 }')" \
  "$(awk -v v="$(p90 "${floor[@]}")" 'BEGIN { print v / 1000 }')"
echo "  to_focused / floor: median $(e2e_ratio "$(printf '%s\n' "${to_focused[@]}" | e2e_median)" \
  "$(printf '%s\n' "${floor[@]}" | e2e_median)"), 90th percentile $(e2e_ratio "$(p90 "${to_focused[@]}")" \
  "$(p90 "${floor[@]}")")"
