#!/bin/bash
# Remote control switched from Vorn's "Remote" menu under Wine: its network
# item starts the listener and stops it (closing its clients) at once, the
# tray icon's tip names the port, and the close keeps the choice in Vorn.ini,
# which gets no Remote section otherwise. A port another program holds gives
# the plain message, and Vorn stays off. At the width Vorn takes when its
# settings give none, the menu bar takes no more lines than without the menu,
# and Address=localhost is reached by clients of 127.0.0.1.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/remote_lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
e2e_start_receiver

not_listening() { ! remote_listening; }
switch() {
  e2e_vorn_menu Remote/Network
}
close_vorn() {
  e2e_vorn_menu Close
  e2e_wait_exit 30 vorn
}

# --- Off, as the settings have it; the menu switches it on and off.
e2e_start_vorn "$dir"
e2e_wait_vorn
not_listening || e2e_fail "something listens on $REMOTE_PORT before the switch"
e2e_expect_tip Vorn
switch
e2e_wait_for 20 "Vorn to listen after the switch" remote_listening
e2e_expect_tip "Vorn - :$REMOTE_PORT"
remote_open a
remote_send a $'F 7100000\n'
e2e_expect_eq "a client's tuning" "RPRT 0" "$(remote_read a 1)"

switch
e2e_wait_for 20 "the listener to go" not_listening
e2e_wait_for 20 "the client to be closed" remote_closed a
remote_close a
e2e_expect_tip Vorn
e2e_expect_eq "the file while Vorn runs" "" "$(grep Remote "$dir/Vorn.ini" || true)"

# --- Switched on again, the close keeps it on for the next start.
switch
e2e_wait_for 20 "Vorn to listen again" remote_listening
close_vorn
grep -qx $'Enabled=1\r' "$dir/Vorn.ini" || e2e_fail "the close did not keep Enabled=1: $(cat "$dir/Vorn.ini")"
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
e2e_wait_for 20 "Vorn to listen at start" remote_listening
e2e_expect_tip "Vorn - :$REMOTE_PORT"
e2e_show_vorn
switch
e2e_wait_for 20 "the listener to go" not_listening
close_vorn
grep -qx $'Enabled=0\r' "$dir/Vorn.ini" || e2e_fail "the close did not keep Enabled=0: $(cat "$dir/Vorn.ini")"

# --- A port another program holds: the start's message, and it stays off.
remote_hold_port
e2e_start_vorn "$dir"
e2e_wait_vorn
switch
e2e_expect_box Vorn 'Remote control cannot listen on 127.0.0.1:4532.\rVorn runs without it.'
e2e_wintree press Vorn OK
e2e_expect_tip Vorn
remote_release_port
# Still off: the next choice switches it on.
switch
e2e_wait_for 20 "Vorn to listen once the port is free" remote_listening
e2e_screenshot remote-on
switch
e2e_wait_for 20 "the listener to go" not_listening

close_vorn

# --- 180 px wide, as without placement in the settings: Stations to Info take
# two lines of the bar, and "Remote" still fits on the second.
dir="$E2E_TMP/vorn-180"
mkdir -p "$dir"
printf '[Remote]\r\nEnabled=1\r\nAddress=localhost\r\n' >"$dir/Vorn.ini"
e2e_start_vorn "$dir"
e2e_wait_vorn
e2e_wait_for 20 "Vorn to listen on localhost" remote_listening
form=$(e2e_wintree list | awk -F'\t' '/^0x/ && $2 == "visible" && $4 == "Perseus-Vorn" { print $1; exit }')
read -r _ _ width _ < <(e2e_wintree rect "$form")
e2e_expect_eq "the width without placement" 180 "$width"
read -r _ bar line < <(e2e_wine layout-probe.exe "$form" | grep '^menubar')
e2e_expect_eq "the menu bar's lines at 180 px ($bar px of $line)" 2 $(((bar + line / 2) / line))
e2e_screenshot remote-menu-180
remote_open c
remote_exchange c 'F 6070000' 'RPRT 0'
e2e_wait_for 20 "the stand-in to be tuned to 6070" e2e_log_has $'\ttuned\t6070$'
close_vorn
