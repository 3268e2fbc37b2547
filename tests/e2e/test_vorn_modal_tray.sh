#!/bin/bash
# While Vorn's close question is open, the tray menu's Close and Hide start
# nothing: no second question, the settings still unwritten, the window
# still shown. The question, answered, then ends Vorn as usual.
source "$(dirname "$0")/lib.sh"
e2e_setup

work="$E2E_TMP/vorn"
mkdir -p "$work"
printf '%s\r\n' "[Hotkey]" "Key=109" >"$work/Vorn.ini"
original=$(cat "$work/Vorn.ini")

e2e_start_receiver
e2e_start_vorn "$work"
e2e_wait_vorn 109

# A changed hotkey makes Close ask first.
e2e_vorn_menu Hotkey/Change
xdotool key F9
e2e_expect_box Vorn 'English: F9\rLocalized: F9\rord(Key): 120'
e2e_wintree press Vorn OK
e2e_vorn_menu Close
e2e_expect_box Informationen 'Hotkey has changed, save?'

questions() { e2e_wintree list | grep -cE $'^0x[0-9a-f]+\tvisible\t#32770\tInformationen$' || true; }
has_menu() { [[ -n $(e2e_wine tray-poke.exe rects '#32768') ]]; }
lacks_menu() { ! has_menu; }
hidden_windows=$(e2e_wintree list | awk -F'\t' '$3 == "VornHiddenWindow" { print $1 }')

# Chooses item INDEX of the tray menu's three (Show, Hide, Close).
tray_choose() {
  local window l t b
  xdotool mousemove 400 300
  # Only the tray's hidden window answers the shell's right-button message.
  for window in $hidden_windows; do e2e_wine tray-poke.exe post "$window" 1025 57051 517; done
  e2e_wait_for 20 "the tray menu" has_menu
  read -r _ l t _ b <<<"$(e2e_wine tray-poke.exe rects '#32768')"
  xdotool mousemove $((l + 20)) $((t + (2 * $1 + 1) * (b - t) / 6)) click 1
  e2e_wait_for 20 "the tray menu to close" lacks_menu
}

tray_choose 2
tray_choose 1
e2e_expect_eq "open questions after the tray's Close and Hide" 1 "$(questions)"
e2e_expect_eq "the question still open" 'Hotkey has changed, save?' "$(e2e_box_text Informationen)"
e2e_vorn_shown || e2e_fail "the tray's Hide hid Vorn behind its question"
e2e_expect_eq "the settings while the question is open" "$original" "$(cat "$work/Vorn.ini")"

e2e_wintree press Informationen Ja
e2e_wait_exit 30 vorn
e2e_expect_eq "Vorn's exit status" 0 "$E2E_EXIT_STATUS"
grep -qx $'Key=120\r' "$work/Vorn.ini" || e2e_fail "the new hotkey was not saved: $(cat "$work/Vorn.ini")"
echo "tray during a question: ok"
