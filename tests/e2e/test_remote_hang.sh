#!/bin/bash
# A remote client tunes a receiver program that has stopped answering: the
# press gives up after its bounded wait, the client gets a negative result,
# and Vorn goes on serving clients and its window while the stand-in sleeps.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/remote_lib.sh"
e2e_setup

remote_start_vorn "$E2E_TMP/vorn" --hang-ms 8000

remote_open a
remote_open b
start=$(date +%s%N)
remote_send a $'F 7100000\n'
answer=$(remote_read a 1)
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
[[ $answer == "RPRT -"* ]] || e2e_fail "tuning the hung stand-in answered: $answer"
echo "the hung stand-in's tuning was answered with $answer after ${elapsed_ms} ms"
# The stand-in sleeps for 8 s after the first press; the answer came while it slept.
e2e_expect_eq "the presses that reached the stand-in" "click Frequency 7" "$(e2e_receiver_events)"

remote_send b $'f\n'
e2e_expect_eq "another client, while the stand-in sleeps" 0 "$(remote_read b 1)"
remote_send a $'v\n'
e2e_expect_eq "the first client again" VFOA "$(remote_read a 1)"
e2e_wintree list | grep -q $'\tVornForm\tPerseus-Vorn$' || e2e_fail "Vorn's window is gone"
((elapsed_ms < 8000)) || e2e_fail "the answer waited for the stand-in to wake up (${elapsed_ms} ms)"
