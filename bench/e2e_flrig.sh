#!/bin/bash
# flrig endpoint timing under Wine. N times (default 100), alternately in the
# same run: the receiver probe keys "7100.5" with bare messages (the floor),
# and an XML-RPC client on one kept connection calls rig.set_vfo(7100500.0)
# (the same keys), whose answer comes once the confirm button is pressed.
# Prints the medians and the ratio of call-to-answer against the floor (goal
# <= 1.3). Then M (default 1000) rig.get_vfo round trips while the operator
# types into Vorn's window: median and 99th percentile.
#
#   VORN_BUILD=<windows build dir> bench/e2e_flrig.sh [N [M]]
source "$(dirname "$0")/../tests/e2e/lib.sh"
source "$(dirname "$0")/../tests/e2e/remote_lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
iterations=${1:-100}
round_trips=${2:-1000}
port=12345

e2e_setup
dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
printf '[Flrig]\r\nEnabled=1\r\n' >>"$dir/Vorn.ini"
e2e_start_receiver
e2e_start_probe
e2e_expect_eq "both searches find the stand-in" $'main\tok\nkeypad\tok' "$(e2e_probe find)"
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
e2e_wait_for 30 "Vorn to listen" eval "ss -ltnH 'sport = :$port' | grep -q ."

# One client, one connection: each line in is a call, each line out its time
# in microseconds and its result.
coproc client {
  /usr/bin/python3 -u -c '
import sys, time, xmlrpc.client
rig = xmlrpc.client.ServerProxy("http://127.0.0.1:" + sys.argv[1] + "/RPC2")
for line in sys.stdin:
    name, *args = line.split()
    start = time.perf_counter_ns()
    result = getattr(rig, name)(*[float(a) for a in args])
    print((time.perf_counter_ns() - start) // 1000, repr(result))
' "$port"
}
call() {
  printf '%s\n' "$*" >&"${client[1]}"
  IFS=' ' read -r -t 20 took answer <&"${client[0]}" || e2e_fail "no answer to $*"
}

floor=() remote=()
for ((i = 0; i < iterations; i++)); do
  times=$(e2e_probe "bare 1")
  [[ $times == bare$'\t'* ]] || e2e_fail "the probe's keying failed: $times"
  floor+=("${times#bare$'\t'}")
  call rig.set_vfo 7100500
  remote+=("$took")
  [[ $answer == "''" ]] || e2e_fail "rig.set_vfo answered $answer"
done
floor_median=$(printf '%s\n' "${floor[@]}" | remote_percentile 50)
remote_median=$(printf '%s\n' "${remote[@]}" | remote_percentile 50)
echo "keyings of 7100.5, alternately: $iterations bare from the probe (the floor), $iterations by rig.set_vfo"
remote_ratio_report "rig.set_vfo to its answer, median" "$floor_median" "$remote_median"

# rig.get_vfo round trips while the window is in use: shown, with typing and
# erasing in Edit1.
e2e_show_vorn
remote_typing_start
trips=()
for ((i = 0; i < round_trips; i++)); do
  call rig.get_vfo
  trips+=("$took")
  [[ $answer == "'7100500'" ]] || e2e_fail "rig.get_vfo answered $answer"
done
remote_typing_stop
echo "rig.get_vfo round trips: $round_trips while typing into Vorn's window"
echo "  median $(printf '%s\n' "${trips[@]}" | remote_percentile 50) us, p99 $(printf '%s\n' "${trips[@]}" | remote_percentile 99) us"
