#!/bin/bash
# The receiver program restarts while the link keeps running: the next key
# press finds the new windows and reaches them.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_start_receiver
e2e_start_probe
e2e_expect_eq "both searches find the stand-in" $'main\tok\nkeypad\tok' "$(e2e_probe find)"
reply=$(e2e_probe "key 7100.5")
[[ $reply == ok$'\t'* ]] || e2e_fail "keying into the first stand-in failed: $reply"

e2e_stop_receiver
e2e_start_receiver
reply=$(e2e_probe "tune 9650|12 kHz|AM")
[[ $reply == ok$'\t'* ]] || e2e_fail "tuning the restarted stand-in failed: $reply"
e2e_expect_eq "the restarted stand-in receives the whole station" \
  "click Frequency 9
click Frequency 6
click Frequency 5
click Frequency 0
click Frequency kHz
tuned 9650
click Perseus AM
demod AM
click Perseus 12 kHz
bandwidth 12 kHz" "$(e2e_receiver_events)"

# Gone for good: the press fails instead of reaching nothing.
e2e_stop_receiver
reply=$(e2e_probe "key 7100.5")
[[ $reply == fail$'\t'* ]] || e2e_fail "keying without the stand-in did not fail: $reply"
