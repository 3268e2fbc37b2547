#!/bin/bash
# A program that speaks only a Kenwood radio's commands tunes through Vorn by
# the library's bridge: a serial port pair (socat), rigctlcom on one end as
# a network client of Vorn, and rigctl as the Kenwood program on the other.
# The bridge selects and reads VFO B at its polls; Vorn serves it at once and
# only VFO A tunes the stand-in.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/remote_lib.sh"
e2e_setup

remote_start_vorn "$E2E_TMP/vorn"

socat pty,raw,echo=0,link="$E2E_TMP/radio" pty,raw,echo=0,link="$E2E_TMP/program" \
  2>"$E2E_TMP/socat.err" &
E2E_PIDS+=($!)
e2e_wait_for 20 "the serial port pair" test -e "$E2E_TMP/program"
rigctlcom -m 2 -r "127.0.0.1:$REMOTE_PORT" -R "$E2E_TMP/radio" >"$E2E_TMP/rigctlcom.out" 2>&1 &
E2E_PIDS+=($!)
connected() { ss -tnH state established "dport = :$REMOTE_PORT" | grep -q .; }
e2e_wait_for 20 "the bridge to connect to Vorn" connected

kenwood() { timeout 60 rigctl -m 2014 -r "$E2E_TMP/program" "$@"; }
start=${EPOCHREALTIME/./}
e2e_expect_eq "the Kenwood program's answers" 7100000 "$(kenwood F 7100000 f)"
echo "F 7100000 and f through the bridge took $(((${EPOCHREALTIME/./} - start) / 1000)) ms"
e2e_expect_eq "the stand-in's presses" "$(printf 'click Frequency %s\n' 7 1 0 0 kHz)"$'\ntuned 7100' \
  "$(e2e_receiver_events)"

# A frequency tuned elsewhere is what the Kenwood program reads, once the
# bridge's own memory of the last reading has run out.
remote_open other
remote_send other $'F 6070000\n'
e2e_expect_eq "another client's tuning" "RPRT 0" "$(remote_read other 1)"
reads() { [[ $(kenwood f) == "$1" ]]; }
e2e_wait_for 20 "the Kenwood program to read 6070000" reads 6070000
kill -0 "${E2E_PIDS[-1]}" 2>/dev/null || e2e_fail "the bridge ended: $(tail -5 "$E2E_TMP/rigctlcom.out")"
