#!/bin/bash
# The window helper the scenarios read the desktop with and answer boxes with.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_start_receiver --keypad-title "Frequency (kHz)" --confirm Ok

windows=$(e2e_wintree list)
grep -qE $'^0x[0-9a-f]+\tvisible\tReceiverSim\tFrequency \\(kHz\\)$' <<<"$windows" ||
  e2e_fail "the keypad window is not listed:"$'\n'"$windows"
grep -qE $'^  0x[0-9a-f]+\tvisible\tButton\t1.6kHz$' <<<"$windows" ||
  e2e_fail "the main window's buttons are not listed under it:"$'\n'"$windows"
e2e_log_has $'\tclick\t' && e2e_fail "listing the windows pressed something"

e2e_wintree press "Frequency (kHz)" "Ok"
e2e_wait_for 10 "the press to reach the stand-in" e2e_log_has $'\tclick\tFrequency \\(kHz\\)\tOk$'

# A window that never comes is reported, after the wait the caller chose.
if e2e_wintree press "Perseus" "Nothing" 200 2>/dev/null; then
  e2e_fail "pressing a missing caption succeeded"
fi
