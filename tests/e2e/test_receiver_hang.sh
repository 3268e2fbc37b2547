#!/bin/bash
# A receiver program that stops answering: the press gives up after the send
# timeout and the keying stops there, leaving Vorn free.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_start_receiver --hang-ms 5000
e2e_start_probe
e2e_expect_eq "both searches find the stand-in" $'main\tok\nkeypad\tok' "$(e2e_probe find)"

reply=$(e2e_probe "key 7100.5")
[[ $reply == fail$'\t'* ]] || e2e_fail "keying into a hung stand-in did not fail: $reply"
echo "keying into the hung stand-in gave up after ${reply#fail$'\t'} us"

# Once the stand-in answers again, nothing but the first press has reached it.
e2e_expect_eq "the stand-in answers again" ok "$(e2e_probe ping)"
e2e_expect_eq "the keying stopped at the first press" "click Frequency 7" "$(e2e_receiver_events)"
