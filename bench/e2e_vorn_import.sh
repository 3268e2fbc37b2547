#!/bin/bash
# Import List under Wine: a broadcast schedule of R lines (default 10 000)
# imported whole into the real list view (goal: under 1 s). Timed from the
# key that answers the on-air question with "&Nein" (CLOCK_MONOTONIC_RAW just
# before it) to the report box (window-watch.exe on Wine's performance
# counter, the same clock), beside the same import of a one-line schedule: the
# difference is the reading and the rows. N runs each (default 5).
#
#   VORN_BUILD=<windows build dir> bench/e2e_vorn_import.sh [N] [R]
source "$(dirname "$0")/../tests/e2e/lib.sh"
VORN_BUILD=${VORN_BUILD:-$(realpath "$(dirname "$0")/../build/windows")}
VORN_SOURCE=${VORN_SOURCE:-$(realpath "$(dirname "$0")/..")}
runs=${1:-5}
lines=${2:-10000}

e2e_setup
dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
schedule() {
  awk -v n="$1" 'BEGIN {
    print "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;Stop:60;\r"
    split("Mo-Fr Sa,Su 1245 irr", days, " ")
    for (i = 0; i < n; i++)
      printf "%d;%02d00-%02d00;%s;XYZ;Station %d;E;Eu;;1;;\r\n", 2300 + (i * 37) % 23000, i % 24, (i + 1) % 24, days[i % 4 + 1], i
  }' >"$2"
}
schedule "$lines" "$dir/big.csv"
schedule 1 "$dir/small.csv"

e2e_start_receiver
e2e_start_watch
e2e_start_vorn "$dir"
e2e_wait_vorn

# Imports file $1 of $2 lines; sets $elapsed to the microseconds from the
# answer to the report.
time_import() {
  local t0 shown
  e2e_vorn_menu "Stations/Import List"
  # After the first import the rows have no file: do not save them.
  if [[ -n ${imported:-} ]]; then
    e2e_wait_for 30 "the save question" e2e__box_shown Informationen
    e2e_wintree press Informationen '&Nein'
  fi
  e2e_choose_file Open "$1"
  e2e_wait_for 30 "the on-air question" e2e_dialog_up Informationen
  t0=$(e2e_stamp xdotool key n)
  shown=$(e2e_watch $'shown\t#32770\tVorn')
  [[ $shown =~ ^[0-9]+$ ]] || e2e_fail "no report after importing $1"
  elapsed=$((shown - t0))
  e2e_expect_eq "the report" "$2 stations imported." "$(e2e_box_text Vorn)"
  e2e_wintree press Vorn OK
  e2e_wait_for 30 "the report to close" e2e_dialog_gone Vorn
  imported=1
}

with_big=() with_small=()
for ((run = 0; run < runs; run++)); do
  time_import "$dir/small.csv" 1
  with_small+=("$elapsed")
  time_import "$dir/big.csv" "$lines"
  with_big+=("$elapsed")
done

echo "Import List under Wine, answer to report, $runs runs each (milliseconds):"
e2e_report_ms "$lines lines" "${with_big[@]}"
e2e_report_ms "1 line" "${with_small[@]}"
echo "  the import  $(awk -v b="$(printf '%s\n' "${with_big[@]}" | e2e_median)" \
  -v s="$(printf '%s\n' "${with_small[@]}" | e2e_median)" 'BEGIN { printf "%.1f", (b - s) / 1000 }') (goal < 1000)"
