#!/bin/bash
# The operator's main path under Wine, with real keystrokes: the hotkey brings
# Vorn up from the receiver program, a typed frequency and Enter tune the
# receiver, bad input sends nothing, AutoHide puts the window away, and a new
# hotkey captured in the entry field takes over from the old one and is kept
# at close.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"

e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn
vorn=$(e2e__top_level Perseus-Vorn)
edit1=$(e2e_child Perseus-Vorn Edit 1)

# The stand-in's events after the first N lines of its log.
events_after() { e2e_receiver_events | tail -n +$(($1 + 1)); }
event_count() { e2e_receiver_events | wc -l; }
keyed() {
  local text=$1 out="" i c
  for ((i = 0; i < ${#text}; i++)); do
    c=${text:i:1}
    [[ $c == , ]] && c=.
    out+="click Frequency $c"$'\n'
  done
  printf '%sclick Frequency kHz\ntuned %s' "$out" "${text//,/.}"
}
state_of() { e2e_windows_awk -v h="$1" '{ x = $1; sub(/^ +/, "", x) } x == h { print $2; exit }'; }
has_text() { [[ $(e2e_text_of "$1") == "$2" ]]; }
vorn_up_with_edit1() {
  e2e_vorn_shown && [[ $(e2e_wintree focus) == "$vorn"$'\t'"$edit1" ]]
}
# The operator is in the receiver program and presses the hotkey.
hotkey_from_receiver() {
  e2e_activate Perseus
  xdotool key "$1"
  e2e_wait_for 20 "Vorn to come up with Edit1 focused after $1" vorn_up_with_edit1
}

# --- Typed frequencies, with real keys into the active window.
e2e_activate Perseus-Vorn
xdotool type --delay 20 7100.5
e2e_wait_for 10 "Edit1 to hold the typed text" has_text "$edit1" 7100.5
e2e_screenshot main-window
xdotool key Return
e2e_wait_for 20 "tuned 7100.5" e2e_log_has $'\ttuned\t7100.5$'
e2e_expect_eq "the presses for 7100.5" "$(keyed 7100.5)" "$(events_after 0)"

# The text is selected after Enter, so the next one replaces it; the key
# filter drops letters, blanks and the minus sign. Under Wine the receiver's
# button takes the activation when it is clicked (on Windows it cannot), so
# the operator clicks Vorn's caption first.
e2e_activate Perseus-Vorn
before=$(event_count)
xdotool type --delay 20 '8a5 -0,5'
xdotool key Return
e2e_wait_for 20 "tuned 850.5" e2e_log_has $'\ttuned\t850.5$'
e2e_expect_eq "the presses for the filtered text" "$(keyed 850,5)" "$(events_after "$before")"

# Above the limit: nothing is sent. The next good entry proves the bad one
# was handled, as Vorn handles keys in order.
e2e_activate Perseus-Vorn
before=$(event_count)
xdotool type --delay 20 40001
xdotool key Return
xdotool key --delay 20 BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 20 40000
xdotool key Return
e2e_wait_for 20 "tuned 40000" e2e_log_has $'\ttuned\t40000$'
e2e_expect_eq "the presses after 40001 and 40000" "$(keyed 40000)" "$(events_after "$before")"
e2e_vorn_shown || e2e_fail "the window hid without AutoHide"

# --- The hotkey hides the active window and brings it back from the receiver.
e2e_activate Perseus-Vorn
xdotool key KP_Subtract
e2e_wait_for 20 "the hotkey to hide the active window" e2e_vorn_hidden
hotkey_from_receiver KP_Subtract
before=$(event_count)
xdotool type --delay 20 9650
xdotool key Return
e2e_wait_for 20 "tuned 9650" e2e_log_has $'\ttuned\t9650$'
e2e_expect_eq "the presses after the hotkey" "$(keyed 9650)" "$(events_after "$before")"

# --- AutoHide, checked with a click: a good Enter hides the window.
autohide=$(e2e_child Perseus-Vorn Button 1)
e2e_expect_eq "the first button of the window" AutoHide "$(e2e_text_of "$autohide")"
e2e_activate Perseus-Vorn
e2e_click "$autohide" 8 8
xdotool key KP_Subtract
e2e_wait_for 20 "the hotkey to hide the window" e2e_vorn_hidden
hotkey_from_receiver KP_Subtract
xdotool type --delay 20 6070
xdotool key Return
e2e_wait_for 20 "tuned 6070" e2e_log_has $'\ttuned\t6070$'
e2e_wait_for 20 "AutoHide to hide the window" e2e_vorn_hidden

# --- Capture a new hotkey: Esc first keeps the old one.
hotkey_from_receiver KP_Subtract
list_view=$(e2e_child Perseus-Vorn SysListView32)
label1=$(e2e_windows_awk '$4 == "Hit key to set as new" { sub(/^ +/, "", $1); print $1; exit }')
e2e_vorn_menu Hotkey/Change
capturing() { [[ $(state_of "$label1") == visible && $(state_of "$list_view") == hidden ]]; }
e2e_wait_for 20 "the capture labels to replace the list" capturing
e2e_screenshot capture-mode
xdotool key Escape
listing() { [[ $(state_of "$label1") == hidden && $(state_of "$list_view") == visible ]]; }
e2e_wait_for 20 "the list to come back after Esc" listing
e2e_vorn_menu Hotkey/Show
e2e_wait_for 20 "the hotkey message" e2e__box_shown Vorn
[[ $(e2e_box_text Vorn) == *'\rord(Key): 109' ]] || e2e_fail "Esc changed the hotkey: $(e2e_box_text Vorn)"
e2e_wintree press Vorn OK

e2e_vorn_menu Hotkey/Change
e2e_wait_for 20 "capture mode" capturing
xdotool key F9
e2e_wait_for 20 "the hotkey message" e2e__box_shown Vorn
message=$(e2e_box_text Vorn)
[[ $message =~ ^'English: F9\rLocalized: '[^\\]+'\rord(Key): 120'$ ]] ||
  e2e_fail "the message after F9 reads: $message"
e2e_wintree press Vorn OK
e2e_wait_for 20 "the list to come back after F9" listing

# F9 now toggles Vorn; the numeric keypad minus no longer does.
e2e_activate Perseus-Vorn
xdotool key F9
e2e_wait_for 20 "F9 to hide the active window" e2e_vorn_hidden
e2e_activate Perseus
xdotool key KP_Subtract F9
e2e_wait_for 20 "F9 to bring Vorn up" vorn_up_with_edit1
before=$(event_count)
xdotool type --delay 20 7100
xdotool key Return
e2e_wait_for 20 "tuned 7100" e2e_log_has $'\ttuned\t7100$'
e2e_expect_eq "the presses after F9" "$(keyed 7100)" "$(events_after "$before")"
e2e_wait_for 20 "AutoHide to hide the window" e2e_vorn_hidden

# --- Close: Cancel keeps Vorn running; Yes keeps the new hotkey.
hotkey_from_receiver F9
e2e_vorn_menu Close
e2e_expect_box Informationen 'Hotkey has changed, save?'
e2e_screenshot question-box
e2e_wintree press Informationen Abbrechen
box_gone() { ! e2e__box_shown Informationen; }
e2e_wait_for 20 "the question to go" box_gone
e2e_vorn_shown || e2e_fail "Abbrechen closed the window"
kill -0 "${E2E_PID_OF[vorn]}" || e2e_fail "Abbrechen ended Vorn"

e2e_vorn_menu Close
e2e_expect_box Informationen 'Hotkey has changed, save?'
e2e_wintree press Informationen '&Ja'
e2e_wait_exit 30 vorn
settings=$(tr -d '\r' <"$dir/Vorn.ini")
grep -qx 'Key=120' <<<"$settings" || e2e_fail "the new hotkey was not kept: $settings"
grep -qx 'Checked=1' <<<"$settings" || e2e_fail "AutoHide was not kept: $settings"
grep -qx 'Default=Stations.txt' <<<"$settings" || e2e_fail "the default list went: $settings"
