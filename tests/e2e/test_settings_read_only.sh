#!/bin/bash
# A Vorn.ini that cannot be written: the end of the session is not refused
# for it, and Close shows the error box, then asks whether to close anyway;
# "Nein" keeps Vorn running, "Ja" ends it.
source "$(dirname "$0")/lib.sh"
e2e_setup

work="$E2E_TMP/vorn"
mkdir -p "$work"
ini="$work/Vorn.ini"
printf '%s\r\n' "[Hotkey]" "Key=109" >"$ini"
chmod a-w "$ini"
# Root writes whatever the permissions say: then the file is made immutable,
# and mutable again before the scenario's files are removed.
if ((EUID == 0)); then
  chattr +i "$ini" || e2e_fail "cannot make $ini immutable"
  trap 'status=$?; chattr -i "$ini" 2>/dev/null; (exit "$status"); e2e__teardown' EXIT
fi
original=$(cat "$ini")

e2e_start_receiver
e2e_start_vorn "$work"
e2e_wait_vorn_ready
form=$(e2e_wintree list | awk -F'\t' '$3 == "VornForm" && $4 == "Perseus-Vorn" { print $1; exit }')
[[ -n $form ]] || e2e_fail "Vorn has no main window"

# WM_QUERYENDSESSION for a logoff; nothing is asked, the answer is TRUE.
e2e_expect_eq "Vorn's answer to the end of the session" 1 \
  "$(e2e_wintree send "$form" 0x11 0 0x80000000)"

refused() {
  local text
  e2e_vorn_menu Close
  e2e_wait_for 30 "the error box" e2e__box_shown Vorn
  text=$(e2e_box_text Vorn)
  [[ $text == "In "*"Vorn.ini kann nicht geschrieben werden." ]] ||
    e2e_fail "the error box says: $text"
  e2e_wintree press Vorn OK
  e2e_expect_box Informationen "Settings could not be saved. Close anyway?"
}

e2e_show_vorn
refused
e2e_wintree press Informationen Nein
e2e_wait_for 20 "the question to close" eval '! e2e__box_shown Informationen'
e2e_vorn_shown || e2e_fail "Vorn's window went away after Nein"
kill -0 "${E2E_PID_OF[vorn]}" || e2e_fail "Vorn ended after Nein"

refused
e2e_wintree press Informationen Ja
e2e_wait_exit 30 vorn
e2e_expect_eq "Vorn's exit status" 0 "$E2E_EXIT_STATUS"
e2e_expect_eq "the settings file" "$original" "$(cat "$ini")"
echo "read-only settings: ok"
