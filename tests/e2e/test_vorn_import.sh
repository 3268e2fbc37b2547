#!/bin/bash
# Import List and Find in Vorn.exe under Wine: a broadcast schedule imported
# through the system's open dialog, once with only the stations on air now
# (&Ja) and once whole (&Nein); a click on an imported row tunes frequency,
# demodulator and bandwidth; Ctrl+F finds a row by part of its name without
# tuning, Esc and Enter tune it; the close asks where the imported rows go and
# the schedule stays as it was.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
lists="$E2E_TMP/lists"
mkdir -p "$lists"
e2e_demo_settings "$dir"
# On air all day every day; on irregular days, so never "on air now"; unreadable.
printf '%s\r\n' \
  'kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;Stop:60;' \
  '6070;0000-2400;;D;Radio One;E;Eu;;1;;' \
  '9420.5;0000-2400;irr;G;Night "Owl";D;WEu;;1;;' \
  'not a schedule line' >"$lists/sked.csv"
cp "$lists/sked.csv" "$E2E_TMP/sked.orig"

find_box_shown() { e2e_wintree list | grep -qE $'^0x[0-9a-f]+\tvisible\tVornDialog\tFind$'; }
find_box_hidden() { ! find_box_shown; }
# Imports the schedule, answering the on-air question with $1.
import_schedule() {
  e2e_vorn_menu "Stations/Import List"
  e2e_choose_file Open "$lists/sked.csv"
  e2e_expect_box Informationen 'Import only the stations on air now (UTC)?'
  e2e_wintree press Informationen "$1"
  e2e_expect_box Vorn "$2"
  e2e_wintree press Vorn OK
  e2e_wait_for 20 "the report to close" e2e_dialog_gone Vorn
}

e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn
list_name=$(e2e_child Perseus-Vorn Edit 2)
e2e_expect_eq "the default list's name" Stations.txt "$(e2e_text_of "$list_name")"

# --- &Ja: only the station on air; the imported rows have no list file.
import_schedule '&Ja' '1 stations imported, 1 line skipped.'
e2e_wait_for 20 "the list's name to go" e2e_has_text "$list_name" ""
e2e_row1_tunes 6070 AM '6 kHz'

# --- Another import would drop them: asked first; then &Nein imports all.
e2e_vorn_menu "Stations/Import List"
e2e_expect_box Informationen 'Stationlist has changed, save?'
e2e_wintree press Informationen '&Nein'
e2e_choose_file Open "$lists/sked.csv"
e2e_expect_box Informationen 'Import only the stations on air now (UTC)?'
e2e_wintree press Informationen '&Nein'
e2e_expect_box Vorn '2 stations imported, 1 line skipped.'
e2e_wintree press Vorn OK
e2e_wait_for 20 "the report to close" e2e_dialog_gone Vorn

# --- Ctrl+F, part of a name: the row is selected, nothing is tuned; Esc
# goes back to the list, where Enter tunes it.
e2e_activate Perseus-Vorn
before=$(e2e_event_count)
xdotool key ctrl+f
e2e_wait_for 20 "the find box" find_box_shown
find_edit=$(e2e_child Find Edit 1)
xdotool type --delay 20 owl
e2e_wait_for 10 "the find box to hold owl" e2e_has_text "$find_edit" owl
e2e_screenshot find-box
# Off the rows it finds: below Vorn's window or above it.
window_of() { e2e_windows_awk -v t="$1" '$2 == "visible" && $4 == t { print $1; exit }'; }
read -r _ main_top _ main_height < <(e2e_wintree rect "$(window_of Perseus-Vorn)")
read -r _ find_top _ find_height < <(e2e_wintree rect "$(window_of Find)")
((find_top >= main_top + main_height || find_top + find_height <= main_top)) ||
  e2e_fail "the find box ($find_top+$find_height) covers Vorn's window ($main_top+$main_height)"
e2e_expect_eq "the receiver's events while finding" "" "$(e2e_receiver_events | tail -n +$((before + 1)))"
xdotool key Escape
e2e_wait_for 20 "the find box to close" find_box_hidden
e2e_activate Perseus-Vorn
xdotool key Return
e2e_expect_tuned "$before" 9420.5 AM '6 kHz'

# --- Load List would drop the imported rows: asked as the close asks, and
# Abbrechen keeps them without an open dialog.
e2e_vorn_menu "Stations/Load List"
e2e_expect_box Informationen 'Stationlist has changed, save?'
e2e_wintree press Informationen Abbrechen
e2e_wait_for 20 "the question to close" e2e_dialog_gone Informationen
e2e_dialog_up Open && e2e_fail "the open dialog came after Abbrechen"

# --- The close asks to save the imported rows and where; the schedule stays.
e2e_vorn_menu Close
e2e_expect_box Informationen 'Stationlist has changed, save?'
e2e_wintree press Informationen '&Ja'
e2e_choose_file "Save As" "$dir/Imported.txt"
e2e_wait_exit 30 vorn
e2e_expect_eq "the imported rows saved" \
  "$(printf '%s\r\n' '     6070;   6;   AM; "Radio One E->Eu 0000-2400"' \
    '   9420.5;   6;   AM; "Night ""Owl"" D->WEu 0000-2400 irr"')" "$(cat "$dir/Imported.txt")"
cmp -s "$E2E_TMP/sked.orig" "$lists/sked.csv" || e2e_fail "the schedule file changed"
cmp -s "$VORN_SOURCE/scripts/demo/Stations.txt" "$dir/Stations.txt" || e2e_fail "Stations.txt changed"
