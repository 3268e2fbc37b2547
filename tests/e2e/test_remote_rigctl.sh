#!/bin/bash
# The remote-control endpoint under Wine: off unless Vorn.ini turns it on;
# then on loopback, the network client of the radio-control library tunes the
# stand-in through Vorn and reads back what Vorn tuned, and raw clients that
# misbehave are closed without disturbing the others.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/remote_lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
e2e_start_receiver

# --- Off by default: with the settings in place, nothing listens.
e2e_start_vorn "$dir"
e2e_wait_vorn
! remote_listening || e2e_fail "something listens on $REMOTE_PORT with the endpoint off"
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
grep -q Remote "$dir/Vorn.ini" && e2e_fail "Vorn wrote a Remote section"

# --- Turned on: it listens on loopback only.
remote_ini "$dir"
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
e2e_wait_for 20 "Vorn to listen on 127.0.0.1:$REMOTE_PORT" remote_listening
ss -ltnH "sport = :$REMOTE_PORT"

rig() { timeout 30 rigctl -m 2 -r "127.0.0.1:$REMOTE_PORT" "$@"; }
e2e_expect_eq "rigctl's answers while it tunes" $'7100000\nUSB\n2400' \
  "$(rig F 7100000 M USB 2400 f m)"
e2e_expect_eq "the stand-in's presses" \
  "$(printf 'click Frequency %s\n' 7 1 0 0 kHz)"$'\ntuned 7100\nclick Perseus USB\ndemod USB\nclick Perseus 3 kHz\nbandwidth 3 kHz' \
  "$(e2e_receiver_events)"
# A second call asks Vorn instead of rigctl's own memory.
e2e_expect_eq "what Vorn tuned, read back" $'7100000\nUSB\n3000' "$(rig f m)"

# --- Raw clients.
remote_open a
remote_send a $'+f\n'
e2e_expect_eq "the extended answer" $'get_freq:\nFrequency: 7100000\nRPRT 0\n' "$(remote_read a 3)"$'\n'
remote_send a $'fmv\r\n'
e2e_expect_eq "several commands on one line" $'7100000\nUSB\n3000\nVFOA' "$(remote_read a 4)"
remote_send a $'garbage\n'
e2e_expect_eq "garbage" "RPRT -4" "$(remote_read a 1)"

remote_open overlong
remote_send overlong "$(printf 'f%.0s' {1..2000})"
e2e_wait_for 20 "the overlong line to close its client" remote_closed overlong
remote_close overlong

events=$(e2e_receiver_events | wc -l)
remote_open vanishing
remote_send vanishing "F 71"
remote_close vanishing
e2e_wait_for 20 "Vorn to close the connection of the vanished client" eval '! remote_half_closed'

for n in 2 3 4 5 6 7 8; do remote_open "c$n"; done
remote_open ninth
e2e_wait_for 20 "the ninth client to be closed" remote_closed ninth
for n in 2 3 4 5 6 7 8; do
  remote_send "c$n" $'v\n'
  e2e_expect_eq "client $n of 8" VFOA "$(remote_read "c$n" 1)"
done
remote_send a $'f\n'
e2e_expect_eq "the first client after the others' trouble" 7100000 "$(remote_read a 1)"
e2e_expect_eq "presses from the clients that were closed" "$events" "$(e2e_receiver_events | wc -l)"

remote_send a $'q\n'
e2e_wait_for 20 "q to close its client" remote_closed a

# The window still works as before.
e2e_show_vorn

# --- Started again at once, while the closed connections linger in the
# system, Vorn listens again.
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
ss -tan "sport = :$REMOTE_PORT"
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
e2e_wait_for 20 "Vorn to listen again" remote_listening

# --- A port another program holds: one plain message at start, and Vorn runs on.
e2e_show_vorn
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
remote_hold_port
e2e_start_vorn "$dir"
e2e_expect_box Vorn 'Remote control cannot listen on 127.0.0.1:4532.\rVorn runs without it.'
e2e_wintree press Vorn OK
e2e_wait_vorn
remote_release_port
