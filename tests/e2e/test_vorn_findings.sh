#!/bin/bash
# What an operator ran into in a first session with the zip, under Wine: the
# entry dialog's bandwidth box shows a chosen "12 kHz" whole and has room for
# every choice (screenshot entry-12khz), and a receiver program that was
# closed is reported as not running rather than as one that did not answer.
source "$(dirname "$0")/lib.sh"
export E2E_SHOTS=${E2E_SHOTS:-$VORN_BUILD/e2e-shots/findings}
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
top_level() {
  e2e_wintree list | awk -F'\t' -v title="$1" '/^0x/ && $2 == "visible" && $4 == title { print $1; exit }'
}
entry_dialog_shown() { [[ -n $(top_level "Add to List") ]]; }
entry_dialog_hidden() { ! entry_dialog_shown; }

e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn

# --- The bandwidth box with 12 kHz chosen: whole, and room for 50 kHz too.
e2e_click "$(e2e_child Perseus-Vorn Edit)" 20 10 2
e2e_wait_for 20 "the entry dialog" entry_dialog_shown
bandwidth=$(e2e_child "Add to List" Edit 2)
xdotool key Tab
xdotool type --delay 20 '12 kHz'
e2e_wait_for 20 "the bandwidth box to hold 12 kHz" e2e_has_text "$bandwidth" '12 kHz'
xdotool key Home
e2e_screenshot entry-12khz
# The edit part holds the whole text and is wider than the toolkit font
# draws it, with the edit's margins.
read -r _ _ part_width _ < <(e2e_wintree rect "$bandwidth")
text_width=$(e2e_wine layout-probe.exe text-width "12 kHz" | tr -d '\r')
((part_width >= text_width + 4)) ||
  e2e_fail "the bandwidth box's edit part is $part_width px for a text of $text_width px"
layout=$(e2e_wine layout-probe.exe "$(top_level "Add to List")")
cut=$(grep $'^cut\t' <<<"$layout" || true)
[[ -z $cut ]] || e2e_fail "texts cut off in the entry dialog:"$'\n'"$cut"$'\n'"$layout"
e2e_wintree press "Add to List" Abbrechen
e2e_wait_for 20 "the entry dialog to close" entry_dialog_hidden
main=$(e2e_wine layout-probe.exe "$(top_level Perseus-Vorn)")
cut=$(grep $'^cut\t' <<<"$main" || true)
[[ -z $cut ]] || e2e_fail "texts cut off in the main window:"$'\n'"$cut"$'\n'"$main"

# --- The receiver program closed: not running, and nothing pressed.
e2e_stop_receiver
e2e_activate Perseus-Vorn
xdotool type --delay 20 7100
xdotool key Return
e2e_expect_box Vorn 'The receiver program is not running.'
e2e_wintree press Vorn OK
e2e_wait_for 20 "the message to close" e2e_dialog_gone Vorn
e2e_log_has $'\ttuned\t7100$' && e2e_fail "a tuning reached the closed stand-in"

# Started again, it is found at the next tuning: Enter on the same text.
e2e_start_receiver
e2e_activate Perseus-Vorn
xdotool key Return
e2e_wait_for 20 "the stand-in to be tuned to 7100" e2e_log_has $'\ttuned\t7100$'
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
