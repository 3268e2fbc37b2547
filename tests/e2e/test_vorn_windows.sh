#!/bin/bash
# What only the real display shows of Vorn's windows (what they do is the
# toolkit's, tested on both toolkits by its behaviour tests): the main
# window's frame without buttons, the controls of the main window and of the
# entry dialog as the system made them, and the question box's buttons.
# Screenshots of the three are kept in $E2E_SHOTS (by default the build's
# e2e-shots/windows).
source "$(dirname "$0")/lib.sh"
e2e_setup
export E2E_SHOTS=${E2E_SHOTS:-$VORN_BUILD/e2e-shots/windows}
tab=$'\t'

# The window listing without handles, from a top-level window with this class
# and title to the next top-level window.
tree_of() {
  e2e_wintree list | awk -F'\t' -v head="$1$tab$2" '
    /^0x/ { inside = ($3 "\t" $4 == head) }
    inside { sub(/0x[0-9a-f]+\t/, ""); print }'
}
entry_dialog_shown() { [[ -n $(e2e__top_level "Add to List") ]]; }
question_shown() { tree_of '#32770' Informationen | grep -qF "Stationlist has changed, save?"; }

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn

form=$(e2e__top_level Perseus-Vorn)
e2e_expect_eq "a sizeable frame with a caption bar and no buttons" caption,thickframe \
  "$(e2e_wintree style "$form")"
e2e_expect_eq "the main window's controls" "visible${tab}VornForm${tab}Perseus-Vorn
  visible${tab}VornPanel${tab}
    visible${tab}Edit${tab}
    visible${tab}Button${tab}AutoHide
  visible${tab}VornPanel${tab}
    visible${tab}Button${tab}Sort List
    visible${tab}Static${tab}Station list:
    visible${tab}Edit${tab}Stations.txt
  visible${tab}SysListView32${tab}
    visible${tab}SysHeader32${tab}
  hidden${tab}Static${tab}Hit key to set as new
  hidden${tab}Static${tab}Hotkey (ESC: Abort)" "$(tree_of VornForm Perseus-Vorn)"
e2e_screenshot main

# --- The entry dialog, opened by a double-click in the frequency field.
e2e_activate Perseus-Vorn
xdotool type --delay 20 7100.5
e2e_click "$(e2e_child Perseus-Vorn Edit 1)" 20 10 2
e2e_wait_for 20 "the entry dialog" entry_dialog_shown
e2e_expect_eq "the entry dialog's controls" "visible${tab}VornDialog${tab}Add to List
  visible${tab}Static${tab}Frequency (kHz)
  visible${tab}Edit${tab}7100.5
  visible${tab}Static${tab}Bandwidth
  visible${tab}ComboBox${tab}50 kHz
    visible${tab}Edit${tab}50 kHz
  visible${tab}Static${tab}Demodulator
  visible${tab}ComboBox${tab}AM
    visible${tab}Edit${tab}AM
  visible${tab}Static${tab}Station Name
  visible${tab}Edit${tab}
  visible${tab}Button${tab}OK
  visible${tab}Button${tab}Abbrechen" "$(tree_of VornDialog 'Add to List')"
e2e_screenshot dialog
e2e_wintree press "Add to List" Abbrechen
e2e_wait_for 20 "the entry dialog to close" eval '! entry_dialog_shown'

# --- The question box, for a list that sorting changed.
e2e_activate Perseus-Vorn
e2e_click "$(e2e_child Perseus-Vorn Button 2)" 8 8
e2e_vorn_menu Close
e2e_wait_for 20 "the question box" question_shown
e2e_expect_eq "the question box's buttons" "Button${tab}&Ja
Button${tab}&Nein
Button${tab}Abbrechen" "$(tree_of '#32770' Informationen | grep -o "Button$tab.*")"
e2e_screenshot question
e2e_wintree press Informationen '&Nein'
e2e_wait_exit 30 vorn
echo "screenshots in $E2E_SHOTS"
