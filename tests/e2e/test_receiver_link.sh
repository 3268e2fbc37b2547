#!/bin/bash
# Keying frequencies and tuning to stations through the receiver link, into
# the running stand-in.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_start_receiver
e2e_start_probe

e2e_expect_eq "both searches find the stand-in" $'main\tok\nkeypad\tok' "$(e2e_probe find)"

reply=$(e2e_probe "key 7100.5")
[[ $reply == ok$'\t'* ]] || e2e_fail "keying 7100.5 failed: $reply"
e2e_expect_eq "7100.5 presses the keypad's digits, point and confirm" \
  "click Frequency 7
click Frequency 1
click Frequency 0
click Frequency 0
click Frequency .
click Frequency 5
click Frequency kHz
tuned 7100.5" "$(e2e_receiver_events)"

# Blanks around the text and a comma for the point make no difference.
: >"$E2E_RECEIVER_LOG"
reply=$(e2e_probe "key  850,5 ")
[[ $reply == ok$'\t'* ]] || e2e_fail "keying ' 850,5 ' failed: $reply"
e2e_expect_eq "' 850,5 ' is keyed as 850.5" \
  "click Frequency 8
click Frequency 5
click Frequency 0
click Frequency .
click Frequency 5
click Frequency kHz
tuned 850.5" "$(e2e_receiver_events)"

: >"$E2E_RECEIVER_LOG"
reply=$(e2e_probe "tune 9650|12 kHz|USB")
[[ $reply == ok$'\t'* ]] || e2e_fail "tuning to 9650/12 kHz/USB failed: $reply"
reply=$(e2e_probe "tune 7100.5|1.6 kHz|LSB")
[[ $reply == ok$'\t'* ]] || e2e_fail "tuning to 7100.5/1.6 kHz/LSB failed: $reply"
e2e_expect_eq "a station presses frequency, demodulator and bandwidth" \
  "click Frequency 9
click Frequency 6
click Frequency 5
click Frequency 0
click Frequency kHz
tuned 9650
click Perseus USB
demod USB
click Perseus 12 kHz
bandwidth 12 kHz
click Frequency 7
click Frequency 1
click Frequency 0
click Frequency 0
click Frequency .
click Frequency 5
click Frequency kHz
tuned 7100.5
click Perseus LSB
demod LSB
click Perseus 1.6kHz
bandwidth 1.6kHz" "$(e2e_receiver_events)"
