#!/bin/bash
# End-to-end keying time under Wine: keys "7100.5" N times (default 100) into
# the receiver stand-in through the receiver link and, alternately in the same
# run, sends the same 14 button messages to the same buttons in a bare loop.
# From the stand-in's log, the time from the first click to the confirm click
# of each sequence; prints the medians of both and their ratio (goal <= 1.2).
#
#   VORN_BUILD=<windows build dir> bench/e2e_keying.sh [N]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
iterations=${1:-100}

e2e_setup
e2e_start_receiver
e2e_start_probe
e2e_expect_eq "both searches find the stand-in" $'main\tok\nkeypad\tok' "$(e2e_probe find)"
probe_times=$(e2e_probe "bench $iterations")
[[ $probe_times != *fail* ]] || e2e_fail "the keying failed: $probe_times"

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Sequences alternate: link first, then bare.
spans=$(awk -F'\t' '$2 == "click" && $3 == "Frequency" && $4 == "7" { start = $1 }
                    $2 == "click" && $3 == "Frequency" && $4 == "kHz" { print (n++ % 2 ? "bare" : "link"), $1 - start }' \
  "$E2E_RECEIVER_LOG")
count=$(grep -c . <<<"$spans")
((count == 2 * iterations)) || e2e_fail "expected $((2 * iterations)) keyings in the log, found $count"

link=$(awk '$1 == "link" { print $2 }' <<<"$spans" | median)
bare=$(awk '$1 == "bare" { print $2 }' <<<"$spans" | median)
probe_link=$(awk -F'\t' '$1 == "link" { print $2 }' <<<"$probe_times" | median)
probe_bare=$(awk -F'\t' '$1 == "bare" { print $2 }' <<<"$probe_times" | median)

echo "keyings of 7100.5: $iterations through the receiver link, $iterations bare"
echo "first click to confirm click, median (stand-in's clock):"
echo "  receiver link  $link us"
echo "  bare messages  $bare us"
awk -v l="$link" -v b="$bare" 'BEGIN { printf "  ratio          %.3f (goal <= 1.2)\n", l / b }'
echo "whole keying as the sender saw it, median: link $probe_link us, bare $probe_bare us"
