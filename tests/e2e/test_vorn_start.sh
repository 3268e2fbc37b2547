#!/bin/bash
# Vorn.exe starting and ending under Wine: the receiver searches that end it
# before its window shows and leave the settings alone, the first start
# without settings and the file its close creates, and the second copy that
# is turned away.
source "$(dirname "$0")/lib.sh"
e2e_setup

demo="$VORN_SOURCE/scripts/demo"

# "Section.Key=Value" per entry, in file order.
ini_entries() {
  tr -d '\r' <"$1" | awk '/^\[.*\]$/ { section = substr($0, 2, length($0) - 2); next }
                          /=/ { print section "." $0 }'
}

# Vorn must end on its own once the box is answered, and never show its window.
expect_ends_after_box() {
  local text=$1
  e2e_expect_box Vorn "$text"
  e2e_vorn_shown && e2e_fail "the main window showed before \"$text\""
  e2e_wintree press Vorn OK
  e2e_wait_exit 30 vorn
}

# --- No receiver program: the settings box first, then the search's; nothing written.
no_ini="$E2E_TMP/no-ini"
e2e_start_vorn "$no_ini"
e2e_expect_box Vorn 'File not found: Vorn.ini\rHotkey is Numpad-Subtract (-)\rWorking on Perseus V2.1f'
e2e_wintree press Vorn OK
expect_ends_after_box 'Perseus not found, \rPerseus-Program started?'
[[ -z $(ls -A "$no_ini") ]] || e2e_fail "a start that found no receiver left files: $(ls -A "$no_ini")"

with_ini="$E2E_TMP/with-ini"
mkdir -p "$with_ini"
cp "$demo/Vorn.ini" "$demo/Stations.txt" "$with_ini/"
e2e_start_vorn "$with_ini"
expect_ends_after_box 'Perseus not found, \rPerseus-Program started?'
cmp -s "$demo/Vorn.ini" "$with_ini/Vorn.ini" || e2e_fail "Vorn.ini changed after the failed search"

# --- A receiver without its keypad window, and one without the Dither control.
e2e_start_receiver --no-keypad
e2e_start_vorn "$with_ini"
expect_ends_after_box 'Frequency-Panel not found, \rPerseus V2.1f expected'
e2e_stop_receiver

e2e_start_receiver --no-dither
e2e_start_vorn "$with_ini"
expect_ends_after_box 'Perseus-ChildHandle not found'
e2e_stop_receiver
cmp -s "$demo/Vorn.ini" "$with_ini/Vorn.ini" || e2e_fail "Vorn.ini changed after the failed searches"
e2e_log_has $'\tclick\t' && e2e_fail "a failed start pressed a receiver control"

# --- First start without settings: the message, then the window; Close creates the file.
e2e_start_receiver
e2e_start_vorn "$no_ini"
e2e_expect_box Vorn 'File not found: Vorn.ini\rHotkey is Numpad-Subtract (-)\rWorking on Perseus V2.1f'
e2e_wintree press Vorn OK
# Vorn lives in the tray: its window stays hidden until the hotkey brings it up.
e2e_wait_vorn_ready
tray_icon() { [[ -n $(e2e_wine tray-poke.exe rects __winex11_tray_icon) ]]; }
e2e_wait_for 20 "Vorn's icon in the system tray" tray_icon
e2e_vorn_shown && e2e_fail "the main window showed at start"
e2e_show_vorn

# --- A second copy is refused with the system's box and leaves the first alone.
e2e_start vorn2 Vorn.exe
e2e_expect_box Perseus-Vorn 'Vorn is already running.'
e2e_wintree press Perseus-Vorn OK
e2e_wait_exit 30 vorn2
e2e_vorn_shown || e2e_fail "the first copy's window went away"
e2e_activate Perseus-Vorn
xdotool type --delay 20 850
xdotool key Return
e2e_wait_for 20 "the first copy to still tune" e2e_log_has $'\ttuned\t850$'

# Nothing was asked: no saved hotkey to compare with, and no list.
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
e2e_expect_eq "Vorn's exit status" 0 "$E2E_EXIT_STATUS"
[[ -f $no_ini/Vorn.ini ]] || e2e_fail "the close did not create Vorn.ini"
e2e_expect_eq "the settings the first close wrote" \
  "Hotkey.Key=109
Perseus.Version=V2.1f
Placement.Left=248
Placement.Top=110
Placement.Width=309
Placement.Height=515
Autohide.Checked=0" "$(ini_entries "$no_ini/Vorn.ini")"
