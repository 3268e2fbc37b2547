#!/bin/bash
# The flrig endpoint under Wine: off until the "Remote" menu's flrig item
# turns it on. Then Debian's client of the radio-control library, in its
# FLRig model, opens, tunes the stand-in through Vorn and keeps VFO B apart;
# the digital-modes program's connect, one poll and its changes, replayed with
# Python's XML-RPC client on one kept connection, get flrig's answers; two
# clients at once are served; and the item stops it again.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/remote_lib.sh"
e2e_setup

FLRIG_PORT=12345
dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
e2e_start_receiver

flrig_listening() {
  ss -ltnH "sport = :$FLRIG_PORT" | grep -q "127.0.0.1:$FLRIG_PORT"
}
not_listening() { ! flrig_listening; }
rig() { timeout 60 rigctl -m 4 -r "127.0.0.1:$FLRIG_PORT" "$@"; }

e2e_start_vorn "$dir"
e2e_wait_vorn
not_listening || e2e_fail "something listens on $FLRIG_PORT with the endpoint off"
e2e_vorn_menu Remote/flrig
e2e_wait_for 20 "Vorn to listen on 127.0.0.1:$FLRIG_PORT" flrig_listening

# --- The library's client: its open, then VFO A tuned and VFO B kept apart.
out=$(rig F 7100000 f M USB 0 m V VFOB F 9500000 f V VFOA f) ||
  e2e_fail "rigctl ended with $? after: $(printf '%q' "$out")"
e2e_expect_eq "rigctl's answers" $'7100000\nUSB\n0\n9500000\n7100000' "$out"
e2e_expect_eq "the stand-in's presses" \
  "$(printf 'click Frequency %s\n' 7 1 0 0 kHz)"$'\ntuned 7100\nclick Perseus USB\ndemod USB' \
  "$(e2e_receiver_events)"

# --- The digital-modes program's calls, each answer printed as Python reads it.
replay=$(/usr/bin/python3 - "$FLRIG_PORT" <<'PY'
import sys, xmlrpc.client
rig = xmlrpc.client.ServerProxy(f"http://127.0.0.1:{sys.argv[1]}/RPC2")
def show(name, *args):
    try:
        print(name, repr(getattr(rig, name)(*args)))
    except xmlrpc.client.Fault as fault:
        print(name, "fault", fault.faultCode, fault.faultString)
methods = rig.system.listMethods()
print("listMethods", len(methods), "rig.get_vfo" in methods, "rig.cwio_get_wpm" in methods)
for name in ["rig.get_xcvr", "rig.get_modes", "rig.get_bws", "rig.get_mode", "rig.get_sideband",
             "rig.get_bw", "rig.get_vfo", "rig.get_smeter", "rig.get_notch", "rig.cwio_get_wpm"]:
    show(name)
show("rig.set_vfo", 6070000.0)
show("rig.set_mode", "AM")
show("rig.set_bw", 2)
show("rig.get_vfo")
show("rig.get_bw")
# A second client while the first keeps its connection.
other = xmlrpc.client.ServerProxy(f"http://127.0.0.1:{sys.argv[1]}/RPC2")
print("other", repr(other.rig.get_vfo()), repr(rig.rig.get_mode()))
PY
) || e2e_fail "the replay failed: $replay"
e2e_expect_eq "the digital-modes program's calls" "$(
  cat <<'EXPECTED'
listMethods 29 True False
rig.get_xcvr 'Vorn'
rig.get_modes ['AM', 'SAM', 'CW', 'RTTY', 'LSB', 'USB', 'FM', 'DRM', 'USER']
rig.get_bws [['Bandwidth', '800', '1600', '3000', '6000', '12000', '25000', '50000']]
rig.get_mode 'USB'
rig.get_sideband 'U'
rig.get_bw ['0', '']
rig.get_vfo '7100000'
rig.get_smeter '0'
rig.get_notch 0
rig.cwio_get_wpm fault -1 rig.cwio_get_wpm: unknown method name
rig.set_vfo ''
rig.set_mode 1
rig.set_bw ''
rig.get_vfo '6070000'
rig.get_bw ['3000', '']
other '6070000' 'AM'
EXPECTED
)" "$replay"
e2e_wait_for 20 "the stand-in to be tuned to 6070" e2e_log_has $'\ttuned\t6070$'
e2e_wait_for 20 "the stand-in's 3 kHz" e2e_log_has $'\tbandwidth\t3 kHz$'

# --- Switched off, it stops listening, and the close keeps it off; the
# network endpoint's item was never touched, so its section is not written.
e2e_vorn_menu Remote/flrig
e2e_wait_for 20 "the listener to go" not_listening
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
e2e_expect_eq "the endpoints' sections written at close" $'[Flrig]\r\nEnabled=0\r' \
  "$(grep -A1 -e '^\[Flrig\]' -e '^\[Remote\]' "$dir/Vorn.ini")"
