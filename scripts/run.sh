#!/usr/bin/env bash
# Runs Vorn against the receiver stand-in under Wine.
#
# With a $DISPLAY: starts the stand-in and Vorn there and waits until Vorn is
# closed (from its menu or its tray icon). Without one: starts both on a
# virtual display, tunes a frequency the way an operator would, prints what the
# stand-in received and saves a screenshot.
#
# Vorn runs in build/windows/run, which holds its Vorn.ini and station lists.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows

export VORN_BUILD=$root/build/windows VORN_SOURCE=$root
run_dir=$VORN_BUILD/run
mkdir -p "$run_dir"
[[ -f $run_dir/Stations.txt ]] || cp "$root/scripts/demo/Stations.txt" "$run_dir/"
[[ -f $run_dir/Vorn.ini ]] || cp "$root/scripts/demo/Vorn.ini" "$run_dir/"
vorn_exe=$VORN_BUILD/src/app/Vorn.exe

# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"

if [[ -n ${DISPLAY:-} ]]; then
  # The operator's own display: prepare the prefix, then run both until Vorn ends.
  user_display=$DISPLAY
  e2e_setup
  export DISPLAY=$user_display
  e2e_start_receiver
  if [[ -x $vorn_exe ]]; then
    echo "Vorn is running in the tray: press numeric keypad minus while a Wine window has the focus."
    cd "$run_dir"
    e2e_wine "$vorn_exe" || true
  else
    echo "The receiver stand-in is running; close its window or press Ctrl+C to end."
    wait "${E2E_PID_OF[receiver]}" || true
  fi
  exit 0
fi

e2e_setup
e2e_start_receiver
if [[ ! -x $vorn_exe ]]; then
  echo "Vorn.exe is not built yet; the stand-in ran on a virtual display."
  exit 0
fi

cd "$run_dir"
e2e_start vorn "$vorn_exe"
# The operator is working in the receiver program and presses the hotkey.
e2e_wait_vorn
e2e_activate Perseus-Vorn
xdotool type --delay 30 7100.5
xdotool key Return
e2e_wait_for 15 "the receiver to be tuned" e2e_log_has $'\ttuned\t7100.5$'

echo "The receiver stand-in received:"
e2e_receiver_events | sed 's/^/  /'
shot=$run_dir/screenshot.png
/usr/bin/import -window root "$shot"
echo "Screenshot: $shot"
