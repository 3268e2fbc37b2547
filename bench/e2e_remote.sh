#!/bin/bash
# Remote-control timing under Wine. N times (default 100), alternately in the
# same run: the receiver probe keys "7100.5" with bare messages (the floor),
# and a client of Vorn's endpoint sends "F 7100500" (the same keys) and waits
# for "RPRT 0". Prints the medians and
# the ratio of request-to-answer against the floor (goal <= 1.3). Then, N
# times alternately, a change of frequency and mode as the library's later
# clients make it ("F 7100500", "\get_lock_mode", "M USB 2400", each request
# after the previous answer) against the bare keying of the same presses
# (7100.5, USB, 3 kHz): medians and ratio (goal <= 1.3). Then M (default
# 1000) "f" round trips while the operator types into Vorn's window: median
# and 99th percentile.
#
#   VORN_BUILD=<windows build dir> bench/e2e_remote.sh [N [M]]
source "$(dirname "$0")/../tests/e2e/lib.sh"
source "$(dirname "$0")/../tests/e2e/remote_lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
iterations=${1:-100}
round_trips=${2:-1000}

e2e_setup
dir="$E2E_TMP/vorn"
remote_ini "$dir"
e2e_start_receiver
e2e_start_probe
e2e_expect_eq "both searches find the stand-in" $'main\tok\nkeypad\tok' "$(e2e_probe find)"
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
e2e_wait_for 30 "Vorn to listen" remote_listening
remote_open bench

# One request and its answer of N lines (default 1), timed without forking:
# $answer (the lines joined by newlines) and $took (microseconds).
ask() {
  local start=${EPOCHREALTIME/./} line i
  printf '%s\n' "$1" >&"${REMOTE_FD[bench]}"
  answer=""
  for ((i = 0; i < ${2:-1}; i++)); do
    IFS= read -r -t 20 -u "${REMOTE_FD[bench]}" line || e2e_fail "no answer to $1"
    answer+=${answer:+$'\n'}$line
  done
  took=$((${EPOCHREALTIME/./} - start))
}

floor=() remote=()
for ((i = 0; i < iterations; i++)); do
  times=$(e2e_probe "bare 1")
  [[ $times == bare$'\t'* ]] || e2e_fail "the probe's keying failed: $times"
  floor+=("${times#bare$'\t'}")
  ask "F 7100500"
  remote+=("$took")
  [[ $answer == "RPRT 0" ]] || e2e_fail "F 7100500 answered $answer"
done

# The stand-in's spans, first click to confirm click: bare and remote in turn.
spans=$(awk -F'\t' '$2 == "click" && $3 == "Frequency" && $4 == "7" { start = $1 }
                    $2 == "click" && $3 == "Frequency" && $4 == "kHz" { print (n++ % 2 ? "remote" : "bare"), $1 - start }' \
  "$E2E_RECEIVER_LOG")
span_bare=$(awk '$1 == "bare" { print $2 }' <<<"$spans" | remote_percentile 50)
span_remote=$(awk '$1 == "remote" { print $2 }' <<<"$spans" | remote_percentile 50)
floor_median=$(printf '%s\n' "${floor[@]}" | remote_percentile 50)
remote_median=$(printf '%s\n' "${remote[@]}" | remote_percentile 50)

echo "keyings of 7100.5, alternately: $iterations bare from the probe (the floor), $iterations by F 7100500 from a client"
remote_ratio_report "F request to RPRT 0, as the client saw it" "$floor_median" "$remote_median"
echo "  first to confirm click in the stand-in, median: bare $span_bare us, remote $span_remote us"

change_floor=() change=()
for ((i = 0; i < iterations; i++)); do
  times=$(e2e_probe 'bare 1 USB "3 kHz"')
  [[ $times == bare$'\t'* ]] || e2e_fail "the probe's keying failed: $times"
  change_floor+=("${times#bare$'\t'}")
  ask "F 7100500"
  [[ $answer == "RPRT 0" ]] || e2e_fail "F 7100500 answered $answer"
  total=$took
  ask '\get_lock_mode' 2
  [[ $answer == $'0\nRPRT 0' ]] || e2e_fail "\\get_lock_mode answered $(printf '%q' "$answer")"
  total=$((total + took))
  ask "M USB 2400"
  [[ $answer == "RPRT 0" ]] || e2e_fail "M USB 2400 answered $answer"
  total=$((total + took))
  change+=("$total")
done
change_floor_median=$(printf '%s\n' "${change_floor[@]}" | remote_percentile 50)
change_median=$(printf '%s\n' "${change[@]}" | remote_percentile 50)
echo "changes of frequency and mode, alternately: $iterations bare keyings of 7100.5, USB, 3 kHz (the floor), $iterations by F, \\get_lock_mode, M"
remote_ratio_report "the three requests to their last answer" "$change_floor_median" "$change_median"

# f round trips while the window is in use: shown, with typing and erasing in Edit1.
e2e_show_vorn
remote_typing_start
trips=()
for ((i = 0; i < round_trips; i++)); do
  ask f
  trips+=("$took")
  [[ $answer == 7100500 ]] || e2e_fail "f answered $answer"
done
remote_typing_stop
echo "f round trips: $round_trips while typing into Vorn's window"
echo "  median $(printf '%s\n' "${trips[@]}" | remote_percentile 50) us, p99 $(printf '%s\n' "${trips[@]}" | remote_percentile 99) us"
