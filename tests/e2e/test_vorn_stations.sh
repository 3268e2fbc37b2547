#!/bin/bash
# Station lists in Vorn.exe under Wine, as an operator works with them: Load
# List through the system's open dialog from another folder, tuning by a click
# and by the navigation keys, a new entry through the entry dialog, deleting
# from the list's popup menu, sorting, and the close that saves the changed
# list back to the file it came from. Then a list that never had a file: the
# close asks for one.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
lists="$E2E_TMP/lists"
mkdir -p "$lists"
e2e_demo_settings "$dir"
printf '%s\r\n' '     7100; 1.6;  LSB; "Ham band"' '     9650;  12;   AM; "Evening news"' \
  '    14100; 0.8;   CW; "Beacon"' >"$lists/Band.txt"
# A list of the same name where Vorn starts: the one chosen must be the one read.
printf '%s\r\n' '     5000;  12;   AM; "Wrong folder"' >"$dir/Band.txt"
cp "$dir/Band.txt" "$E2E_TMP/decoy.txt"

entry_dialog_shown() { e2e_wintree list | grep -qE $'^0x[0-9a-f]+\tvisible\tVornDialog\tAdd to List$'; }
entry_dialog_hidden() { ! entry_dialog_shown; }

e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn
edit1=$(e2e_child Perseus-Vorn Edit 1)
list_name=$(e2e_child Perseus-Vorn Edit 2)
e2e_expect_eq "the default list's name" Stations.txt "$(e2e_text_of "$list_name")"

# --- Load List from another folder, through the real open dialog.
e2e_vorn_menu "Stations/Load List"
e2e_choose_file Open "$lists/Band.txt"
e2e_wait_for 20 "the list's name to show" e2e_has_text "$list_name" Band.txt

# --- A click on the first row tunes it; 1.6 kHz presses the button 1.6kHz.
e2e_row1_tunes 7100 LSB 1.6kHz

# Navigation keys in the list tune; Left and Right do not (the Up after
# Right proves Right was handled without tuning).
e2e_key_tunes Down 9650 AM '12 kHz'
xdotool key Right
e2e_key_tunes Up 7100 LSB 1.6kHz
e2e_key_tunes End 14100 CW 0.8kHz

# --- New Entry by a double-click in Edit1, prefilled with its text.
e2e_activate Perseus-Vorn
e2e_click "$edit1" 20 10
xdotool type --delay 20 5955
e2e_wait_for 10 "Edit1 to hold 5955" e2e_has_text "$edit1" 5955
e2e_click "$edit1" 20 10 2
e2e_wait_for 20 "the entry dialog" entry_dialog_shown
# Shown, the dialog belongs to the main window and stays above it; hidden, it
# does not, so that showing and raising the main window leave it alone.
entry_dialog=$(e2e__top_level "Add to List")
main_window=$(e2e__top_level Perseus-Vorn)
e2e_expect_eq "the shown entry dialog's owner" "$main_window" "$(e2e_wintree owner "$entry_dialog")"
frequency_field=$(e2e_child "Add to List" Edit 1)
e2e_wait_for 10 "the dialog to be prefilled" e2e_has_text "$frequency_field" 5955
e2e_expect_eq "the prefilled bandwidth" "50 kHz" "$(e2e_text_of "$(e2e_child "Add to List" ComboBox 1)")"
e2e_expect_eq "the prefilled demodulator" AM "$(e2e_text_of "$(e2e_child "Add to List" ComboBox 2)")"
e2e_screenshot entry-dialog
xdotool key Tab
xdotool type --delay 20 '3 kHz'
xdotool key Tab
xdotool type --delay 20 USB
xdotool key Tab
xdotool type --delay 20 'New Station'
e2e_wait_for 10 "the name to be typed" e2e_has_text "$(e2e_child "Add to List" Edit 4)" 'New Station'
xdotool key Return
e2e_wait_for 20 "the entry dialog to close" entry_dialog_hidden
[[ $(e2e_wintree owner "$entry_dialog") != "$main_window" ]] ||
  e2e_fail "the hidden entry dialog still belongs to the main window"

e2e_row1_tunes 7100 LSB 1.6kHz
e2e_key_tunes End 5955 USB '3 kHz'

# --- Delete Entry from the list's popup menu (the menu key opens it).
e2e_row1_tunes 7100 LSB 1.6kHz
e2e_key_tunes Down 9650 AM '12 kHz'
e2e_activate Perseus-Vorn
xdotool key Menu
xdotool key --delay 50 Down Down Return
e2e_key_tunes Home 7100 LSB 1.6kHz
e2e_key_tunes Down 14100 CW 0.8kHz

# --- Sort List: by caption as the system compares texts, 14100 before 5955.
sort_list=$(e2e_child Perseus-Vorn Button 2)
e2e_expect_eq "the second button of the window" "Sort List" "$(e2e_text_of "$sort_list")"
e2e_activate Perseus-Vorn
e2e_click "$sort_list" 8 8
e2e_row1_tunes 14100 CW 0.8kHz
e2e_key_tunes Down 5955 USB '3 kHz'
e2e_key_tunes Down 7100 LSB 1.6kHz

# --- Close: the changed list goes back to the file it came from.
e2e_vorn_menu Close
e2e_expect_box Informationen 'Stationlist has changed, save?'
e2e_wintree press Informationen '&Ja'
e2e_wait_exit 30 vorn
e2e_expect_eq "the saved list" \
  "$(printf '%s\r\n' '    14100; 0.8;   CW; "Beacon"' '     5955;   3;  USB; "New Station"' \
    '     7100; 1.6;  LSB; "Ham band"')" "$(cat "$lists/Band.txt")"
cmp -s "$E2E_TMP/decoy.txt" "$dir/Band.txt" || e2e_fail "the list of the same name in the start folder changed"
grep -q '^Default=Stations.txt' "$dir/Vorn.ini" || e2e_fail "the default list changed in Vorn.ini"

# --- No list file at all: the close asks where the new rows go.
fresh="$E2E_TMP/fresh"
e2e_start_vorn "$fresh"
e2e_wait_for 30 "the settings message" e2e__box_shown Vorn
e2e_wintree press Vorn OK
e2e_wait_vorn
edit1=$(e2e_child Perseus-Vorn Edit 1)
e2e_activate Perseus-Vorn
e2e_click "$edit1" 20 10 2
e2e_wait_for 20 "the entry dialog" entry_dialog_shown
xdotool type --delay 20 6070
xdotool key Tab Tab Tab
xdotool type --delay 20 'Radio One'
e2e_wait_for 10 "the name to be typed" e2e_has_text "$(e2e_child "Add to List" Edit 4)" 'Radio One'
xdotool key Return
e2e_wait_for 20 "the entry dialog to close" entry_dialog_hidden
e2e_vorn_menu Close
e2e_expect_box Informationen 'Stationlist has changed, save?'
e2e_wintree press Informationen '&Ja'
e2e_choose_file "Save As" "$fresh/Mine.txt"
e2e_wait_exit 30 vorn
e2e_expect_eq "the list saved under the chosen name" \
  "$(printf '%s\r\n' '     6070;  50;   AM; "Radio One"')" "$(cat "$fresh/Mine.txt")"
[[ -f $fresh/Vorn.ini ]] || e2e_fail "the settings were not written after the save"
