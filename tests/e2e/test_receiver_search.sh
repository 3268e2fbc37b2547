#!/bin/bash
# Finding the receiver program's windows as the stand-in shows them in its
# variants: a decoy window, a missing keypad or Dither, the other keypad.
source "$(dirname "$0")/lib.sh"
e2e_setup

key_reaches_keypad() {
  local confirm=$1 reply
  : >"$E2E_RECEIVER_LOG"
  reply=$(e2e_probe "key 7.5")
  [[ $reply == ok$'\t'* ]] || e2e_fail "keying 7.5 failed: $reply"
  e2e_expect_eq "7.5 reaches the keypad" \
    "click $2 7
click $2 .
click $2 5
click $2 $confirm
tuned 7.5" "$(e2e_receiver_events)"
}

# A window titled Perseus without captioned controls, met first by the search.
e2e_start_receiver --decoy
windows=$(e2e_wintree list)
first_perseus=$(grep -A1 -m1 $'^0x[0-9a-f]*\tvisible\tReceiverSim\tPerseus$' <<<"$windows" | tail -n1)
[[ $first_perseus == *$'\t' ]] ||
  e2e_fail "the decoy is not the first Perseus window:"$'\n'"$windows"
e2e_start_probe
e2e_expect_eq "the search passes over the decoy" $'main\tok\nkeypad\tok' "$(e2e_probe find)"
key_reaches_keypad kHz Frequency
reply=$(e2e_probe "tune 7.5|6 kHz|CW")
[[ $reply == ok$'\t'* ]] || e2e_fail "tuning failed: $reply"
e2e_log_has $'\tclick\tPerseus\tCW$' || e2e_fail "CW was not pressed in the main window"
e2e_stop_receiver

e2e_start_receiver --no-keypad
e2e_expect_eq "without a keypad window" \
  $'main\tok\nkeypad\tFrequency-Panel not found, \rPerseus V2.1f expected' "$(e2e_probe find)"
e2e_stop_receiver

e2e_start_receiver --no-dither
e2e_expect_eq "without Dither in the main window" \
  $'main\tPerseus-ChildHandle not found\nkeypad\tok' "$(e2e_probe find)"
e2e_stop_receiver

e2e_start_receiver --keypad-title "Frequency (kHz)" --confirm Ok
e2e_expect_eq "the keypad of the other version is not found by the default title" \
  $'main\tok\nkeypad\tFrequency-Panel not found, \rPerseus V2.1f expected' "$(e2e_probe find)"
e2e_expect_eq "the keypad with the other title and confirm" \
  $'main\tok\nkeypad\tok' "$(e2e_probe 'find "Frequency (kHz)" Ok V2.0')"
key_reaches_keypad Ok "Frequency (kHz)"
e2e_expect_eq "a keypad without the confirm caption" \
  $'main\tok\nkeypad\tFrequency-ChildHandle not found' "$(e2e_probe 'find "Frequency (kHz)" kHz V2.0')"
