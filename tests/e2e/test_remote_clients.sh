#!/bin/bash
# What the radio programs of today send, replayed line by line with the raw
# client under Wine: the open and one change of frequency and mode of a
# client of the library's later versions (which reads one more line after the
# lock query), the polls of loggers and decoders, a logger's "+f +m +v" line,
# and the second VFO that bridges for other radios' commands read. Every
# request gets exactly the lines such a client reads, and nothing more.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/remote_lib.sh"
e2e_setup

remote_start_vorn "$E2E_TMP/vorn"

dump_state="0
2
0
10000.000000 40000000.000000 0x401fff -1 -1 0x3 0x0
0 0 0 0 0 0 0
0 0 0 0 0 0 0
0x401fff 1
0 0
0x401fff 50000
0x401fff 25000
0x401fff 12000
0x401fff 6000
0x401fff 3000
0x401fff 1600
0x401fff 800
0 0
0
0
0
0
0
0
0x0
0x0
0x0
0x0
0x0
0x0"

# --- The open.
remote_open decoder
remote_exchange decoder '\get_powerstat' 1
remote_exchange decoder '\chk_vfo' 0
remote_exchange decoder '\dump_state' "$dump_state"
remote_exchange decoder v VFOA
remote_exchange decoder f 0
remote_exchange decoder '\get_powerstat' 1

# --- One change of frequency and mode.
remote_exchange decoder 'F 7074000' 'RPRT 0'
remote_exchange decoder '\get_lock_mode' $'0\nRPRT 0'
remote_exchange decoder 'M PKTUSB 2400' 'RPRT 0'
e2e_expect_eq "the stand-in's presses" \
  "$(printf 'click Frequency %s\n' 7 0 7 4 kHz)"$'\ntuned 7074\nclick Perseus USB\ndemod USB\nclick Perseus 3 kHz\nbandwidth 3 kHz' \
  "$(e2e_receiver_events)"

# --- The polls: the mode comes back by the name it was set with.
remote_exchange decoder f 7074000
remote_exchange decoder m $'PKTUSB\n3000'
remote_exchange decoder v VFOA
remote_exchange decoder t 0
remote_exchange decoder s $'0\nVFOA'
remote_exchange decoder '\get_vfo_info VFOA' $'7074000\nPKTUSB\n3000\n0\n0'
remote_exchange decoder 'S 0 VFOA' 'RPRT 0'
remote_exchange decoder 'S 1 VFOB' 'RPRT -11'

remote_open logger
remote_exchange logger '+f +m +v' $'get_freq:\nFrequency: 7074000\nRPRT 0\nget_mode:\nMode: PKTUSB\nPassband: 3000\nRPRT 0\nget_vfo:\nVFO: VFOA\nRPRT 0'
remote_exchange logger '+\get_vfo_info VFOA' $'get_vfo_info: VFOA\nFreq: 7074000\nMode: PKTUSB\nWidth: 3000\nSplit: 0\nSatMode: 0\nRPRT 0'
remote_exchange logger 'f VFOA' 7074000

# --- A bridge's poll: VFO B holds what it is given and tunes nothing.
events=$(e2e_event_count)
remote_open bridge
remote_exchange bridge 'V VFOB' 'RPRT 0'
remote_exchange bridge f 7074000
remote_exchange bridge 'F 14100000' 'RPRT 0'
remote_exchange bridge 'M CW 500' 'RPRT 0'
remote_exchange bridge fm $'14100000\nCW\n800'
remote_exchange bridge 'V VFOA' 'RPRT 0'
remote_exchange bridge f 7074000
remote_exchange logger '\get_vfo_info VFOB' $'7074000\nPKTUSB\n3000\n0\n0'
e2e_expect_eq "presses for VFO B" "$events" "$(e2e_event_count)"

remote_send decoder $'q\n'
e2e_expect_eq "the answer to q" "RPRT 0" "$(remote_read decoder 1)"
e2e_wait_for 20 "q to close its client" remote_closed decoder
