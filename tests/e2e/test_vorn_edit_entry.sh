#!/bin/bash
# Edit Entry in Vorn.exe under Wine: F2 on a row and the item of the list's
# popup menu open the entry dialog as "Edit Entry", prefilled with the row; OK
# puts the changed row back in its place without tuning, Esc changes nothing,
# and the close saves the list with the changes where the rows stood.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"

edit_dialog_shown() { e2e_wintree list | grep -qE $'^0x[0-9a-f]+\tvisible\tVornDialog\tEdit Entry$'; }
edit_dialog_hidden() { ! edit_dialog_shown; }
field() { e2e_text_of "$(e2e_child "Edit Entry" "$1" "$2")"; }
# The dialog comes up with the focus in the frequency field; Tab N times, and
# the field's text is replaced by TEXT.
retype_field() {
  local tabs=$1 text=$2 i
  for ((i = 0; i < tabs; i++)); do xdotool key Tab; done
  xdotool key Home shift+End
  xdotool type --delay 20 "$text"
}

e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn

# --- F2 on the second row: the dialog shows the row; Esc keeps it as it was.
e2e_row1_tunes 6070 AM '12 kHz'
e2e_key_tunes Down 7100 LSB 1.6kHz
xdotool key F2
e2e_wait_for 20 "the Edit Entry dialog" edit_dialog_shown
e2e_expect_eq "the frequency field" 7100 "$(field Edit 1)"
e2e_expect_eq "the bandwidth field" "1.6 kHz" "$(field ComboBox 1)"
e2e_expect_eq "the demodulator field" LSB "$(field ComboBox 2)"
e2e_expect_eq "the name field" "Amateur band" "$(field Edit 4)"
e2e_screenshot edit-entry-dialog
xdotool key Escape
e2e_wait_for 20 "the dialog to close" edit_dialog_hidden

# --- F2 again: a new name and bandwidth, OK. Nothing is tuned.
e2e_activate Perseus-Vorn
before=$(e2e_event_count)
xdotool key F2
e2e_wait_for 20 "the Edit Entry dialog" edit_dialog_shown
retype_field 3 "Ham band"
e2e_wait_for 10 "the new name to be typed" e2e_has_text "$(e2e_child "Edit Entry" Edit 4)" "Ham band"
xdotool key shift+Tab shift+Tab
xdotool key Home shift+End
xdotool type --delay 20 "3 kHz"
e2e_wait_for 10 "the new bandwidth to be typed" \
  e2e_has_text "$(e2e_child "Edit Entry" ComboBox 1)" "3 kHz"
xdotool key Return
e2e_wait_for 20 "the dialog to close" edit_dialog_hidden
e2e_expect_eq "the receiver's events after the edit" "" "$(e2e_receiver_events | tail -n +$((before + 1)))"
# Still selected, the row tunes as it now is.
e2e_key_tunes Return 7100 LSB '3 kHz'

# --- The popup menu's Edit Entry on the last row (Menu, then the third item).
e2e_key_tunes End 14100 CW 0.8kHz
xdotool key Menu
xdotool key --delay 50 Down Down Down Return
e2e_wait_for 20 "the Edit Entry dialog from the menu" edit_dialog_shown
e2e_expect_eq "the name field" Beacon "$(field Edit 4)"
retype_field 0 14101
e2e_wait_for 10 "the new frequency to be typed" e2e_has_text "$(e2e_child "Edit Entry" Edit 1)" 14101
xdotool key Return
e2e_wait_for 20 "the dialog to close" edit_dialog_hidden
e2e_screenshot edited-list

# --- The close asks, and the list file holds the edited rows in their places.
e2e_vorn_menu Close
e2e_expect_box Informationen 'Stationlist has changed, save?'
e2e_wintree press Informationen '&Ja'
e2e_wait_exit 30 vorn
e2e_expect_eq "the saved list" \
  "$(printf '%s\r\n' '     6070;  12;   AM; "Radio One"' '     7100;   3;  LSB; "Ham band"' \
    '     9650;  12;   AM; "Evening news"' '    14101; 0.8;   CW; "Beacon"')" \
  "$(cat "$dir/Stations.txt")"
