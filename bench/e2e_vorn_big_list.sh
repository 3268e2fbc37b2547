#!/bin/bash
# A station list of R rows (default 100 000) under Wine: Vorn.exe starts with
# it as its default list and loads it into the real list view before it
# registers its hotkey. Start to the hotkey's registration (CLOCK_MONOTONIC_RAW
# before the start, window-watch.exe on Wine's performance counter, the same
# clock) with the big list and, alternately, with the 4-row demo list: the
# difference is the load.
# Then, with the big list up: a click on the first row and the End key (the
# last row) to the stand-in's bandwidth click, and the close that compares
# all rows with the loaded ones, from the Enter on the menu's Close to the
# process's end. N start-ups each (default 5).
#
#   VORN_BUILD=<windows build dir> bench/e2e_vorn_big_list.sh [N] [R]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
runs=${1:-5}
rows=${2:-100000}

e2e_setup
big="$E2E_TMP/big" small="$E2E_TMP/small"
mkdir -p "$big" "$small"
e2e_demo_settings "$small"
sed 's/^Default=.*/Default=Big.txt/' "$VORN_SOURCE/scripts/demo/Vorn.ini" >"$big/Vorn.ini"
awk -v n="$rows" 'BEGIN {
  split("AM SAM CW RTTY LSB USB FM DRM USER", demod, " ")
  split("50 25 12 6 3 1.6 0.8", bandwidth, " ")
  for (i = 0; i < n; i++)
    printf "%9d;%4s;%5s; \"Station %d\"\r\n", 100 + (i * 37) % 29900, bandwidth[i % 7 + 1], demod[i % 9 + 1], i
}' >"$big/Big.txt"

e2e_start_receiver
e2e_start_watch
stamp="$E2E_TMP/start.stamp"

# Sets $elapsed to the microseconds from start to the registered hotkey.
time_start() {
  local ready
  pushd "$1" >/dev/null || e2e_fail "no folder $1"
  e2e_start_stamped vorn "$stamp" Vorn.exe
  popd >/dev/null || e2e_fail "popd"
  ready=$(e2e_watch $'atom\tHotKeyManagerHotKey109')
  [[ $ready =~ ^[0-9]+$ ]] || e2e_fail "Vorn did not come up with the list in $1"
  elapsed=$((ready - $(cat "$stamp")))
}
# Closed as the system would close it, so that it gives its hotkey back.
stop_vorn() {
  local form
  form=$(e2e_wintree list | awk -F'\t' '$3 == "VornForm" { print $1; exit }')
  e2e_wine tray-poke.exe post "$form" 16 0 0 || e2e_fail "Vorn took no close message"
  e2e_wait_exit 30 vorn
}

with_big=() with_small=()
for ((run = 0; run < runs; run++)); do
  time_start "$small"
  with_small+=("$elapsed")
  stop_vorn
  time_start "$big"
  with_big+=("$elapsed")
  ((run + 1 < runs)) && stop_vorn
done

# Tuning from the big list; the stand-in logs the bandwidth click last.
bandwidth_count() { grep -c $'\tbandwidth\t' "$E2E_RECEIVER_LOG" || true; }
more_bandwidths() { (($(bandwidth_count) > $1)); }
last_bandwidth_time() { awk -F'\t' '$2 == "bandwidth" { t = $1 } END { print t }' "$E2E_RECEIVER_LOG"; }
e2e_show_vorn
header=$(e2e_child Perseus-Vorn SysHeader32)
read -r left top _ height < <(e2e_wintree rect "$header")
e2e_activate Perseus-Vorn
xdotool mousemove $((left + 30)) $((top + height + 5))
before=$(bandwidth_count)
t0=$(e2e_stamp xdotool click 1)
e2e_wait_for 30 "the click to tune" more_bandwidths "$before"
click_us=$(($(last_bandwidth_time) - t0))
e2e_activate Perseus-Vorn
before=$(bandwidth_count)
t0=$(e2e_stamp xdotool key End)
e2e_wait_for 30 "End to tune" more_bandwidths "$before"
end_us=$(($(last_bandwidth_time) - t0))
last_row=$((100 + (rows - 1) * 37 % 29900))
e2e_log_has $'\ttuned\t'"$last_row"'$' || e2e_fail "End did not tune the last row, $last_row"

# The close with the list unchanged asks nothing: F10, Right to Close, Enter.
e2e_activate Perseus-Vorn
xdotool key --delay 30 F10 Right Right Right
t0=$(e2e_stamp xdotool key Return)
pid=${E2E_PID_OF[vorn]}
while kill -0 "$pid" 2>/dev/null; do sleep 0.005; done
t1=$(e2e_stamp true)
grep -q '^Default=Big.txt' "$big/Vorn.ini" || e2e_fail "Vorn.ini lost its list"

ms() { awk '{ printf "%.1f", $1 / 1000 }'; }
median_ms() { printf '%s\n' "$@" | e2e_median | ms; }
echo "Start to the registered hotkey under Wine, $runs runs each (milliseconds, median):"
echo "  with $rows rows   $(median_ms "${with_big[@]}")"
echo "  with 4 rows       $(median_ms "${with_small[@]}")"
echo "  the load          $(awk -v b="$(printf '%s\n' "${with_big[@]}" | e2e_median)" \
  -v s="$(printf '%s\n' "${with_small[@]}" | e2e_median)" 'BEGIN { printf "%.1f", (b - s) / 1000 }') (goal < 2000)"
echo "Tuning with $rows rows (milliseconds, one run):"
echo "  click on the first row to bandwidth click   $(echo "$click_us" | ms)"
echo "  End (last row) to bandwidth click           $(echo "$end_us" | ms)"
echo "  Close (Enter) to process end                $(echo $((t1 - t0)) | ms)"
