#!/bin/bash
# Two copies of Vorn started at the same moment, again and again: each time
# one of them turns the other away with the already-running box, and exactly
# one copy is left, with one tray icon.
source "$(dirname "$0")/lib.sh"
e2e_setup

rounds=${VORN_E2E_ROUNDS:-20}
work="$E2E_TMP/vorn"
mkdir -p "$work"
printf '%s\r\n' "[Hotkey]" "Key=109" >"$work/Vorn.ini"
e2e_start_receiver

tray_icons() { e2e_wine tray-poke.exe rects __winex11_tray_icon | wc -l; }
tray_icons_are() { (($(tray_icons) == $1)); }
either_gone() { e2e__gone "${E2E_PID_OF[first]}" || e2e__gone "${E2E_PID_OF[second]}"; }

for ((round = 1; round <= rounds; round++)); do
  pushd "$work" >/dev/null
  e2e_start first Vorn.exe
  e2e_start second Vorn.exe
  popd >/dev/null
  e2e_expect_box Perseus-Vorn 'Vorn is already running.'
  e2e_wintree press Perseus-Vorn OK
  e2e_wait_for 30 "round $round: the turned-away copy to end" either_gone
  if e2e__gone "${E2E_PID_OF[first]}"; then
    e2e_wait_exit 5 first
    kept=second
  else
    e2e_wait_exit 5 second
    kept=first
  fi
  e2e_wait_for 20 "round $round: one tray icon" tray_icons_are 1
  e2e__gone "${E2E_PID_OF[$kept]}" && e2e_fail "round $round: no copy is left"
  forms=$(e2e_wintree list | awk -F'\t' '$3 == "VornForm" { print $1 }')
  e2e_expect_eq "round $round: Vorn's main windows" 1 "$(grep -c . <<<"$forms" || true)"

  # Close through the window's close message, as a task manager would ask.
  e2e_wintree send "$forms" 0x10 0 0 >/dev/null
  e2e_wait_exit 30 "$kept"
  e2e_wait_for 20 "round $round: the icon to go" tray_icons_are 0
done
echo "single instance: $rounds rounds ok"
