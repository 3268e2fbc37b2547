#!/bin/bash
# Kenwood CAT timing under Wine. N times (default 100), alternately in the
# same run: the receiver probe keys "7100.5" with bare messages (the floor),
# and a program on the other end of a socat pty pair mapped as COM5 writes
# "FA00007100500;" (the same keys), timed from the write to the stand-in's
# confirm click, on the clock the stand-in logs with. Prints the medians and
# the ratio against the floor (goal <= 1.3). Then M (default 500) "ID;" round
# trips: median and 99th percentile (goal: answers within 50 ms).
#
#   VORN_BUILD=<windows build dir> bench/e2e_kenwood.sh [N [M]]
source "$(dirname "$0")/../tests/e2e/lib.sh"
source "$(dirname "$0")/../tests/e2e/remote_lib.sh"
source "$(dirname "$0")/../tests/e2e/serial_lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
iterations=${1:-100}
round_trips=${2:-500}

e2e_setup
dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
printf '[Cat]\r\nEnabled=1\r\nPort=COM5\r\n' >>"$dir/Vorn.ini"
serial_pair com5 program
e2e_start_receiver
e2e_start_probe
e2e_expect_eq "both searches find the stand-in" $'main\tok\nkeypad\tok' "$(e2e_probe find)"
e2e_start_vorn "$dir"
e2e_wait_vorn_ready

exec {cat_fd}<>"$E2E_TMP/program"
answers() {
  local answer
  printf 'ID;' >&"$cat_fd"
  IFS= read -r -d ';' -t 1 -u "$cat_fd" answer && [[ $answer == ID019 ]]
}
e2e_wait_for 30 "Vorn to answer on COM5" answers

# The write's time on the stand-in's clock (CLOCK_MONOTONIC_RAW, as Wine's
# performance counter), taken just before the write.
# shellcheck disable=SC2016  # Perl's variables
stamp_write='use Time::HiRes qw(clock_gettime CLOCK_MONOTONIC_RAW);
  open(my $port, ">", $ARGV[0]) or die "cannot open $ARGV[0]\n"; $| = 1; select($port); $| = 1;
  my $t = clock_gettime(CLOCK_MONOTONIC_RAW) * 1e6; print $port $ARGV[1]; close $port;
  select(STDOUT); printf "%.0f\n", $t;'
confirms() { grep -c $'\tclick\tFrequency\tkHz$' "$E2E_RECEIVER_LOG" || true; }
confirmed() { (($(confirms) > $1)); }

floor=() kenwood=()
for ((i = 0; i < iterations; i++)); do
  times=$(e2e_probe "bare 1")
  [[ $times == bare$'\t'* ]] || e2e_fail "the probe's keying failed: $times"
  floor+=("${times#bare$'\t'}")
  before=$(confirms)
  written=$(perl -e "$stamp_write" "$E2E_TMP/program" 'FA00007100500;')
  e2e_wait_for 20 "the stand-in's confirm click after FA" confirmed "$before"
  clicked=$(grep $'\tclick\tFrequency\tkHz$' "$E2E_RECEIVER_LOG" | tail -1 | cut -f1)
  kenwood+=($((clicked - written)))
done
floor_median=$(printf '%s\n' "${floor[@]}" | remote_percentile 50)
kenwood_median=$(printf '%s\n' "${kenwood[@]}" | remote_percentile 50)
echo "keyings of 7100.5, alternately: $iterations bare from the probe (the floor), $iterations by FA00007100500; on COM5"
remote_ratio_report "FA write to the confirm click, median" "$floor_median" "$kenwood_median"
echo "  FA write to the confirm click, 99th percentile $(printf '%s\n' "${kenwood[@]}" | remote_percentile 99) us"

trips=()
for ((i = 0; i < round_trips; i++)); do
  start=${EPOCHREALTIME/./}
  printf 'ID;' >&"$cat_fd"
  IFS= read -r -d ';' -t 5 -u "$cat_fd" answer || e2e_fail "no answer to ID;"
  [[ $answer == ID019 ]] || e2e_fail "ID; answered $answer"
  trips+=($((${EPOCHREALTIME/./} - start)))
done
echo "$round_trips ID; round trips on COM5"
echo "  median $(printf '%s\n' "${trips[@]}" | remote_percentile 50) us, 99th percentile $(printf '%s\n' "${trips[@]}" | remote_percentile 99) us (goal <= 50000)"
