#!/bin/bash
# Vorn stays within reach: a placement saved on a monitor that is gone is
# brought onto the screen, and its tray icon, deleted behind its back, comes
# back when the shell announces itself ("TaskbarCreated").
source "$(dirname "$0")/lib.sh"
e2e_setup

work="$E2E_TMP/vorn"
mkdir -p "$work"
printf '%s\r\n' "[Placement]" "Left=5000" "Top=110" "Width=309" "Height=515" \
  "[Hotkey]" "Key=109" >"$work/Vorn.ini"

e2e_start_receiver
e2e_start_vorn "$work"
e2e_wait_vorn 109

form=$(e2e_wintree list | awk -F'\t' '$3 == "VornForm" && $4 == "Perseus-Vorn" { print $1; exit }')
read -r left top width height <<<"$(e2e_wintree rect "$form")"
# The virtual display is 1280 x 1024.
((left >= 0 && left + width <= 1280 && top >= 0 && top + height <= 1024)) ||
  e2e_fail "Vorn's window is not on the screen: $left $top $width $height"
e2e_expect_eq "the window's size as read" "309 515" "$width $height"

tray_icons() { e2e_wine tray-poke.exe rects __winex11_tray_icon | wc -l; }
tray_icons_are() { (($(tray_icons) == $1)); }
e2e_wait_for 20 "Vorn's tray icon" tray_icons_are 1

# The icon belongs to one of Vorn's hidden windows, with Vorn's identifier.
deleted=
for window in $(e2e_wintree list | awk -F'\t' '$3 == "VornHiddenWindow" { print $1 }'); do
  if e2e_wine tray-poke.exe delete "$window" 57051; then
    deleted=$window
    break
  fi
done
[[ -n $deleted ]] || e2e_fail "no hidden window of Vorn owns an icon 57051"
e2e_wait_for 20 "the icon to leave the tray" tray_icons_are 0

e2e_wine tray-poke.exe announce || e2e_fail "broadcasting TaskbarCreated failed"
e2e_wait_for 20 "the icon to come back" tray_icons_are 1
echo "reachable: ok"
