# shellcheck shell=bash
# Shared library of the end-to-end scenarios: source it from a test_*.sh.
#
# Every scenario runs Win32 programs under Wine in a virtual X display of its
# own. The Wine prefix lives in the build tree and is prepared once; scenarios
# that share a build tree take turns on it (a lock held for the whole run),
# because programs of one prefix share one window system and would see each
# other's windows. On exit, only what the scenario started is torn down.
#
# Needs VORN_BUILD (the windows build directory); VORN_SOURCE is passed through.
#
#   e2e_setup                     display, prefix, $E2E_TMP, teardown on exit
#   e2e_start NAME EXE ARGS...    a program in the background (output in $E2E_TMP/NAME.out/.err)
#   e2e_stop NAME                 ends one program started with e2e_start
#   e2e_wine EXE ARGS...          a program in the foreground; returns its exit status
#   e2e_wait_for SECONDS WHAT CMD...  polls CMD until it succeeds, else fails the scenario
#   e2e_start_receiver ARGS...    the receiver stand-in, logging to $E2E_RECEIVER_LOG
#   e2e_stop_receiver             ends it and waits until its windows are gone
#   e2e_start_probe               receiver-probe.exe, fed through a pipe
#   e2e_probe COMMAND             sends one command to the probe, prints its reply
#   e2e_log_has REGEX [FILE]      whether a line of the stand-in's log (or FILE) matches
#   e2e_receiver_events           the stand-in's log without times and ready lines,
#                                 fields separated by one blank ("click Frequency 7")
#   e2e_event_count               how many events the stand-in logged so far
#   e2e_expect_tuned N FREQUENCY DEMOD BANDWIDTH  waits for the events after the
#                                 first N and fails unless they tune to that station
#   e2e_key_tunes KEY FREQUENCY DEMOD BANDWIDTH  presses KEY in Vorn's active
#                                 window and expects the tuning to that station
#   e2e_row1_tunes FREQUENCY DEMOD BANDWIDTH  clicks the first row of Vorn's
#                                 list and expects the tuning to that station
#   e2e_expect_eq WHAT EXPECTED ACTUAL   fails the scenario, showing both, when they differ
#   e2e_wintree ARGS...           runs wintree.exe (list, press, menu, rect, focus)
#   e2e_wait_exit SECONDS NAME    waits until a program started with e2e_start has
#                                 ended; its exit status in $E2E_EXIT_STATUS
#   e2e_box_text TITLE            the text of the visible message box with that
#                                 title, as wintree lists it (\r for a carriage return)
#   e2e_expect_box TITLE TEXT     waits for that box and fails unless it says TEXT
#   e2e_child TITLE CLASS [N]     the handle of the Nth (default 1st) control of
#                                 that class in the visible window with that title
#   e2e_text_of HANDLE            the window's text, as wintree lists it
#   e2e_has_text HANDLE TEXT      whether the window's text is TEXT
#   e2e_dialog_up TITLE           whether a system dialog with that title is the active window
#   e2e_dialog_gone TITLE         whether no system dialog with that title is shown
#   e2e_choose_file TITLE PATH    types PATH into the system's file dialog of that
#                                 title and waits until it has closed
#   e2e_click HANDLE [X Y [N]]    N (default 1) left clicks at X, Y (default 6, 6)
#                                 inside that window, as the operator would
#   e2e_activate TITLE            makes the visible window with that title the
#                                 foreground window, with the X focus
#   e2e_active_window             the handle of the foreground window
#   e2e_focus_window              the handle of the control with the keyboard focus
#   e2e_screenshot NAME           the screen as NAME.png in $E2E_SHOTS (when set)
#   e2e_windows_awk ARGS...       awk -F'\t' ARGS over the whole window list
#   e2e_window_listed REGEX       whether a line of the window list matches
#   e2e_start_vorn [DIR [ARGS]]   Vorn.exe as program "vorn", in DIR (default
#                                 $E2E_TMP/vorn, created) as its working directory
#   e2e_vorn_shown                whether Vorn's main window is visible
#   e2e_vorn_hidden               whether it is not (and the list was read)
#   e2e_wait_vorn_ready [KEY]     waits until Vorn, hidden in the tray, holds its
#                                 hotkey (virtual key KEY, default 109)
#   e2e_show_vorn [XKEY]          presses the hotkey (X key name, default
#                                 KP_Subtract) from the stand-in and waits for Vorn
#   e2e_wait_vorn [KEY [XKEY]]    both: Vorn ready, then shown by its hotkey
#   e2e_stamp CMD...              prints CLOCK_MONOTONIC_RAW in microseconds (the
#                                 clock of Wine's performance counter), then runs CMD
#   e2e_start_stamped NAME FILE EXE ARGS...  e2e_start, with the moment just
#                                 before the program's start written to FILE
#   e2e_start_watch               window-watch.exe, fed through a pipe
#   e2e_watch COMMAND             sends one command to it, prints its reply
#   e2e_median                    the median of the numbers on stdin
#   e2e_ratio A B                 A / B with two decimals
#   e2e_report_ms LABEL US...     a report line: median, least and greatest, in ms
#   e2e_demo_settings DIR         the demo's Vorn.ini and Stations.txt in DIR (created)
#   e2e_expect_tip TEXT           waits until the tray icon's tip, shown by resting
#                                 the mouse on the icon, is TEXT
#   e2e_tray_menu_last            pops up the tray icon's menu with the right
#                                 button and chooses its last item
#   e2e_vorn_menu ITEM            chooses an item of Vorn's main menu with the
#                                 keyboard ("Close", "Stations/Load List")
#   e2e_set_dpi DPI               the screen's DPI for the programs started after it
#                                 (it ends those running); the prefix gets its former
#                                 value back when the scenario ends
#   e2e_winpath PATH              the Windows spelling of a Unix path
#   e2e_exe NAME                  the path of a built program
#   e2e_build_bits                32 or 64: the pointer width of the build (32-bit
#                                 programs run under 32-bit Wine in the same prefix)
#   e2e_fail MESSAGE              fails the scenario
#
# EXE is a path or the bare file name of a program built in $VORN_BUILD.
#
# A scenario that ends early always says why: e2e_fail's message, or for a
# command that failed under set -e, the command with its file and line (ERR
# trap, inherited by functions and subshells through set -E). The first such
# report adds the stand-in's last log lines and a screenshot in $E2E_TMP.
#
# What the harness takes from the system is listed in system-files.txt beside
# this file; e2e_setup checks it is all there.

set -eEuo pipefail

E2E_WINE_LOADER=/usr/lib/wine/wine64
E2E_WINESERVER=/usr/lib/wine/wineserver
E2E_SYSTEM_FILES=${E2E_SYSTEM_FILES:-"$(dirname "${BASH_SOURCE[0]}")/system-files.txt"}

# Once per scenario: the stand-in's last log lines and a screenshot.
e2e__report_end() {
  [[ -n ${E2E_TMP:-} && -d $E2E_TMP ]] || return 0
  mkdir "$E2E_TMP/reported" 2>/dev/null || return 0
  if [[ -f ${E2E_RECEIVER_LOG:-} ]]; then
    echo "--- receiver log (last 20 lines) ---" >&2
    tail -n 20 "$E2E_RECEIVER_LOG" >&2
  fi
  if [[ -n ${DISPLAY:-} ]] &&
    timeout 20 /usr/bin/import -window root "$E2E_TMP/failure.png" 2>/dev/null; then
    echo "screenshot: $E2E_TMP/failure.png" >&2
  fi
}

e2e_fail() {
  echo "FAIL: $*" >&2
  e2e__report_end
  exit 1
}

# Only the scenario's own shell reports: a failure in a subshell (a pipeline's
# part, a substitution) reaches it as that command's status, and one that does
# not (a process substitution's writer cut off by its reader) ends nothing.
# Of a pipeline, BASH_COMMAND is the last part; the statuses show which failed.
e2e__on_error() {
  local status=$1 statuses=$2 i where=""
  [[ $BASHPID == "$$" && $- == *e* ]] || return 0
  for ((i = 1; i < ${#FUNCNAME[@]}; i++)); do
    where+="${where:+, called from }${BASH_SOURCE[i]##*/}:${BASH_LINENO[i - 1]}"
    [[ ${FUNCNAME[i]} == main || ${FUNCNAME[i]} == source ]] || where+=" (${FUNCNAME[i]})"
  done
  [[ $statuses == *' '* ]] && status+=" (pipeline: $statuses)"
  echo "ERR: status $status from: $BASH_COMMAND" >&2
  echo "  at $where" >&2
  e2e__report_end
}
trap 'e2e__on_error $? "${PIPESTATUS[*]}"' ERR

# The entries of system-files.txt: ENTRY PACKAGE, one pair a line; with
# "32-bit", only those the 32-bit build's scenarios alone need.
e2e__system_entries() {
  local entry package only
  while read -r entry package only _; do
    [[ -z $entry || $entry == \#* ]] && continue
    [[ ${1:-} == 32-bit && $only != 32-bit ]] && continue
    printf '%s %s\n' "$entry" "$package"
  done <"$E2E_SYSTEM_FILES"
}

# Where an entry of system-files.txt is on this system: an absolute path as it
# is, a program from PATH, a Perl module (Name::Space) where Perl finds it.
e2e__system_path() {
  case $1 in
    /*) [[ -e $1 ]] && printf '%s' "$1" ;;
    *::*) perl -M"$1" -e '(my $f = shift) =~ s{::}{/}g; print $INC{"$f.pm"}' "$1" 2>/dev/null ;;
    *) type -P "$1" ;;
  esac
}

e2e__check_system() {
  local entries entry package skip
  entries=$(e2e__system_entries)
  # The 64-bit build's scenarios go without what the 32-bit ones alone need.
  [[ ${VORN_BITS:-64} == 32 ]] || skip=$(e2e__system_entries 32-bit)
  while read -r entry package; do
    grep -qxF -- "$entry $package" <<<"${skip:-}" && continue
    e2e__system_path "$entry" >/dev/null || e2e_fail "missing $entry: install Debian package $package"
  done <<<"$entries"
}

e2e_winpath() {
  local path
  path=$(realpath -m -- "$1")
  printf 'Z:%s' "${path//\//\\}"
}

e2e_exe() {
  local name=$1 found
  if [[ $name == */* || $name == *\\* ]]; then
    printf '%s' "$name"
    return
  fi
  found=$(find "$VORN_BUILD" \( -path "$VORN_BUILD/wineprefix" -o -path "$VORN_BUILD/e2e-tmp" \) \
    -prune -o -type f -name "$name" -print -quit)
  [[ -n $found ]] || e2e_fail "program $name is not built in $VORN_BUILD"
  printf '%s' "$found"
}

e2e_build_bits() {
  local exe header machine
  exe=$(e2e_exe wintree.exe)
  header=$(od -An -tu4 -j 60 -N 4 "$exe" | tr -d ' ')
  machine=$(od -An -tx2 -j $((header + 4)) -N 2 "$exe" | tr -d ' ')
  [[ $machine == 014c ]] && echo 32 || echo 64
}

e2e_wait_for() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || e2e_fail "timed out after ${seconds}s waiting for: $what"
    sleep 0.05
  done
}

# Starts Xvfb on the first free display from :90 on and waits until it accepts
# clients; a display another run takes at the same moment is skipped.
e2e__start_display() {
  local n ready
  for ((n = 90; n < 190; n++)); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    ready="$E2E_TMP/xvfb.display"
    : >"$ready"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$ready" \
      >"$E2E_TMP/xvfb.log" 2>&1 {E2E_LOCK_FD}>&- &
    E2E_XVFB_PID=$!
    while [[ ! -s $ready ]] && kill -0 "$E2E_XVFB_PID" 2>/dev/null; do sleep 0.02; done
    if [[ -s $ready ]]; then
      export DISPLAY=":$n"
      return
    fi
    wait "$E2E_XVFB_PID" || true
    E2E_XVFB_PID=
  done
  e2e_fail "no free X display"
}

e2e__lock_prefix() {
  export WINEPREFIX="$VORN_BUILD/wineprefix"
  export WINEDEBUG=-all
  # No prompts for the Mono and Gecko add-ons: nobody is there to answer them.
  # No menu entries on the desktop for shortcuts that a scenario makes.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  exec {E2E_LOCK_FD}>"$VORN_BUILD/wineprefix.lock"
  flock -w 900 "$E2E_LOCK_FD" || e2e_fail "the Wine prefix stayed locked by another run"
}

e2e__prepare_prefix() {
  [[ -f $WINEPREFIX/.vorn-prepared ]] && return
  echo "preparing the Wine prefix $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  "$E2E_WINE_LOADER" wineboot -i >"$E2E_TMP/wineboot.log" 2>&1 {E2E_LOCK_FD}>&-
  # Without a window manager Wine would otherwise wait for one on every hide
  # and close, and X focus would not follow SetForegroundWindow.
  "$E2E_WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >>"$E2E_TMP/wineboot.log" 2>&1 {E2E_LOCK_FD}>&-
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$E2E_WINESERVER" -w
  touch "$WINEPREFIX/.vorn-prepared"
}

e2e__teardown() {
  local status=$?
  set +e
  trap - ERR
  if ((status != 0)) && [[ ! -d $E2E_TMP/reported ]]; then
    echo "FAIL: the scenario ended with status $status" >&2
    e2e__report_end
  fi
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  if [[ -n ${WINEPREFIX:-} ]]; then
    e2e__restore_dpi
    "$E2E_WINESERVER" -k 2>/dev/null
    "$E2E_WINESERVER" -w 2>/dev/null
  fi
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
  if [[ -n ${E2E_XVFB_PID:-} ]]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  if ((status == 0)); then
    rm -rf "$E2E_TMP"
  else
    echo "kept the scenario's files in $E2E_TMP" >&2
  fi
  exit "$status"
}

e2e__stopped() {
  echo "FAIL: stopped by SIG$1 (ctest's timeout sends TERM)" >&2
  e2e__report_end
  exit "$2"
}

e2e_setup() {
  [[ -n ${VORN_BUILD:-} ]] || {
    echo "FAIL: VORN_BUILD is not set" >&2
    exit 1
  }
  e2e__check_system
  mkdir -p "$VORN_BUILD/e2e-tmp"
  E2E_TMP=$(mktemp -d "$VORN_BUILD/e2e-tmp/$(basename "$0" .sh).XXXXXX")
  E2E_RECEIVER_LOG="$E2E_TMP/receiver.log"
  E2E_PIDS=()
  declare -gA E2E_PID_OF=()
  E2E_XVFB_PID=
  trap e2e__teardown EXIT
  trap 'e2e__stopped INT 130' INT
  trap 'e2e__stopped TERM 143' TERM
  e2e__lock_prefix
  e2e__start_display
  e2e__prepare_prefix
  # A scenario killed before its teardown left its DPI behind.
  e2e__restore_dpi
}

E2E_DPI_KEY='HKCU\Control Panel\Desktop'

# The value before the first e2e_set_dpi of a scenario is kept in the prefix
# (empty for none) until it is restored.
e2e_set_dpi() {
  local saved="$WINEPREFIX/.vorn-dpi-saved" former
  if [[ ! -f $saved ]]; then
    former=$("$E2E_WINE_LOADER" reg query "$E2E_DPI_KEY" /v LogPixels 2>/dev/null {E2E_LOCK_FD}>&- |
      tr -d '\r' | awk '$1 == "LogPixels" { print $3 }' || true)
    printf '%s' "$former" >"$saved"
  fi
  e2e__write_dpi "$1"
}

e2e__write_dpi() {
  if [[ -n $1 ]]; then
    e2e__again "$E2E_WINE_LOADER" reg add "$E2E_DPI_KEY" /v LogPixels /t REG_DWORD \
      /d "$(($1))" /f >/dev/null
  else
    e2e__again "$E2E_WINE_LOADER" reg delete "$E2E_DPI_KEY" /v LogPixels /f >/dev/null
  fi
  # Programs read the DPI when they start, the desktop's own too.
  "$E2E_WINESERVER" -k 2>/dev/null || true
  "$E2E_WINESERVER" -w 2>/dev/null || true
}

e2e__restore_dpi() {
  local saved="$WINEPREFIX/.vorn-dpi-saved"
  [[ -f $saved ]] || return 0
  e2e__write_dpi "$(<"$saved")"
  rm -f "$saved"
}

e2e_start() {
  local name=$1 exe
  exe=$(e2e_exe "$2")
  shift 2
  "$E2E_WINE_LOADER" "$exe" "$@" </dev/null >"$E2E_TMP/$name.out" 2>"$E2E_TMP/$name.err" \
    {E2E_LOCK_FD}>&- &
  E2E_PIDS+=($!)
  E2E_PID_OF[$name]=$!
}

e2e_stop() {
  local pid=${E2E_PID_OF[$1]:-}
  [[ -n $pid ]] || e2e_fail "no program named $1 was started"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  unset "E2E_PID_OF[$1]"
}

e2e_wine() {
  local exe
  exe=$(e2e_exe "$1")
  shift
  "$E2E_WINE_LOADER" "$exe" "$@" {E2E_LOCK_FD}>&-
}

e2e_log_has() {
  grep -qE -- "$1" "${2:-$E2E_RECEIVER_LOG}" 2>/dev/null
}

e2e_receiver_events() {
  cut -f2- "$E2E_RECEIVER_LOG" | grep -vx ready | tr '\t' ' ' || true
}

e2e_event_count() {
  e2e_receiver_events | wc -l
}

e2e__events_after() {
  e2e_receiver_events | tail -n +$(($1 + 1))
}

e2e__event_count_at_least() {
  (($(e2e_event_count) >= $1))
}

# The stand-in's events for tuning to a row: frequency, demodulator, bandwidth.
e2e__tuned_to() {
  local frequency=$1 demod=$2 bandwidth=$3 i
  for ((i = 0; i < ${#frequency}; i++)); do echo "click Frequency ${frequency:i:1}"; done
  printf 'click Frequency kHz\ntuned %s\nclick Perseus %s\ndemod %s\nclick Perseus %s\nbandwidth %s' \
    "$frequency" "$demod" "$demod" "$bandwidth" "$bandwidth"
}

e2e_expect_tuned() {
  local before=$1
  shift
  e2e_wait_for 20 "tuning to $1" e2e__event_count_at_least $((before + ${#1} + 6))
  e2e_expect_eq "the tuning to $1" "$(e2e__tuned_to "$@")" "$(e2e__events_after "$before")"
}

# Under Wine the receiver's buttons take the activation when they are clicked
# (on Windows they cannot), so Vorn is made the active window again first; it
# gives the focus back to the control that had it.
e2e_key_tunes() {
  local key=$1 before
  shift
  e2e_activate Perseus-Vorn
  before=$(e2e_event_count)
  xdotool key "$key"
  e2e_expect_tuned "$before" "$@"
}

# A click into a window that is not active may only activate it under Wine.
e2e_row1_tunes() {
  local header header_height before
  header=$(e2e_child Perseus-Vorn SysHeader32)
  read -r _ _ _ header_height < <(e2e_wintree rect "$header")
  e2e_activate Perseus-Vorn
  before=$(e2e_event_count)
  e2e_click "$header" 30 $((header_height + 5))
  e2e_expect_tuned "$before" "$@"
}

e2e_expect_eq() {
  [[ $2 == "$3" ]] && return
  e2e_fail "$1"$'\n'"expected: $(printf '%q' "$2")"$'\n'"actual:   $(printf '%q' "$3")"
}

# shellcheck disable=SC2120  # the options are optional
e2e_start_receiver() {
  rm -f "$E2E_RECEIVER_LOG"
  e2e_start receiver receiver-sim.exe --log "$(e2e_winpath "$E2E_RECEIVER_LOG")" "$@"
  e2e_wait_for 30 "the receiver stand-in to be ready" e2e_log_has $'^[0-9]+\tready$'
}

e2e__receiver_windows_gone() {
  local windows
  windows=$(e2e_wintree list)
  [[ $windows != *$'\tReceiverSim\t'* ]]
}

e2e_stop_receiver() {
  e2e_stop receiver
  e2e_wait_for 10 "the stand-in's windows to go" e2e__receiver_windows_gone
}

# Starts a helper that reads its commands from a pipe, $E2E_TMP/NAME.in, and
# answers in $E2E_TMP/NAME.out; the caller opens the pipe's write end.
e2e__start_piped() {
  local name=$1 exe
  exe=$(e2e_exe "$2")
  mkfifo "$E2E_TMP/$name.in"
  : >"$E2E_TMP/$name.out"
  "$E2E_WINE_LOADER" "$exe" <"$E2E_TMP/$name.in" >"$E2E_TMP/$name.out" \
    2>"$E2E_TMP/$name.err" {E2E_LOCK_FD}>&- &
  E2E_PIDS+=($!)
  E2E_PID_OF[$name]=$!
}

e2e_start_probe() {
  e2e__start_piped probe receiver-probe.exe
  E2E_PROBE_OUT="$E2E_TMP/probe.out"
  exec {E2E_PROBE_FD}>"$E2E_TMP/probe.in"
}

e2e__probe_replies() {
  grep -cx end "$E2E_PROBE_OUT" || true
}

e2e__probe_answered() {
  (($(e2e__probe_replies) > $1))
}

# Every reply of the probe ends with a line "end"; this prints the lines of
# the reply that follows the ones already there.
e2e_probe() {
  local before
  before=$(e2e__probe_replies)
  printf '%s\n' "$1" >&"$E2E_PROBE_FD"
  e2e_wait_for 60 "the probe to answer: $1" e2e__probe_answered "$before"
  awk -v n="$before" '$0 == "end" { seen++; next } seen == n { print }' "$E2E_PROBE_OUT"
}

# Wine now and then ends a program with status 1 before it has said a word
# (seen about once in some hundred suite runs: wintree's list and press, reg's
# add). This runs a Wine program again, up to three times, while it ends so;
# only the output of the run that ended is passed on.
e2e__again() {
  local try status out err
  out=$(mktemp "$E2E_TMP/again.XXXXXX")
  err="$out.err"
  for try in 1 2 3; do
    status=0
    "$@" >"$out" 2>"$err" {E2E_LOCK_FD}>&- || status=$?
    ((status == 1)) && [[ ! -s $err ]] || break
    echo "${*:2:2} ended with status 1 without a word (try $try of 3)" >&2
  done
  cat "$out"
  cat "$err" >&2
  rm -f "$out" "$err"
  return "$status"
}

# wintree says why whenever it fails itself, except for "atom", whose status
# is its answer.
e2e_wintree() {
  if [[ ${1:-} == atom ]]; then
    e2e_wine wintree.exe "$@"
  else
    e2e__again e2e_wine wintree.exe "$@"
  fi
}

# The window list is taken whole before it is read, so that a failed listing
# is a failure rather than a list without the window looked for.
e2e__window_list() {
  E2E_WINDOW_LIST=$(e2e_wintree list)
}

e2e_windows_awk() {
  e2e__window_list || return
  awk -F'\t' "$@" <<<"$E2E_WINDOW_LIST"
}

e2e_window_listed() {
  e2e__window_list || return
  grep -qE -- "$1" <<<"$E2E_WINDOW_LIST"
}

e2e__gone() { ! kill -0 "$1" 2>/dev/null; }

e2e_wait_exit() {
  local seconds=$1 name=$2 pid
  pid=${E2E_PID_OF[$name]:-}
  [[ -n $pid ]] || e2e_fail "no program named $name was started"
  e2e_wait_for "$seconds" "$name to end" e2e__gone "$pid"
  local status=0
  wait "$pid" 2>/dev/null || status=$?
  # shellcheck disable=SC2034  # read by the scenarios
  E2E_EXIT_STATUS=$status
  unset "E2E_PID_OF[$name]"
}

# Message boxes are dialogs of class #32770; their text is the one static
# control with a text (the icon is a static control without one).
e2e_box_text() {
  e2e_windows_awk -v title="$1" '
    /^0x/ { inside = ($2 == "visible" && $3 == "#32770" && $4 == title); next }
    inside && $3 == "Static" && $4 != "" { print $4; exit }'
}

e2e__box_shown() {
  [[ -n $(e2e_box_text "$1") ]]
}

e2e_expect_box() {
  e2e_wait_for 30 "a box \"$1\"" e2e__box_shown "$1"
  e2e_expect_eq "the text of the box \"$1\"" "$2" "$(e2e_box_text "$1")"
}

e2e_child() {
  local handle
  handle=$(e2e_windows_awk -v title="$1" -v class="$2" -v n="${3:-1}" '
    /^0x/ { inside = ($2 == "visible" && $4 == title); next }
    inside && $3 == class && ++seen == n { sub(/^ +/, "", $1); print $1; exit }')
  [[ -n $handle ]] || e2e_fail "no control $2 number ${3:-1} in a window \"$1\""
  printf '%s' "$handle"
}

e2e_text_of() {
  e2e_windows_awk -v handle="$1" '{ h = $1; sub(/^ +/, "", h) } h == handle { print $4; exit }'
}

e2e_has_text() {
  [[ $(e2e_text_of "$1") == "$2" ]]
}

e2e_dialog_up() {
  local handle
  handle=$(e2e_wintree list | awk -F'\t' -v t="$1" '/^0x/ && $2 == "visible" && $3 == "#32770" && $4 == t { print $1; exit }')
  [[ -n $handle ]] && e2e__is_active "$handle"
}

e2e_dialog_gone() {
  ! e2e_wintree list | grep -qE $'^0x[0-9a-f]+\tvisible\t#32770\t'"$1"$'$'
}

# The file name field has the focus when the dialog comes up.
e2e_choose_file() {
  e2e_wait_for 30 "the \"$1\" dialog" e2e_dialog_up "$1"
  xdotool type --delay 10 "$(e2e_winpath "$2")"
  xdotool key Return
  e2e_wait_for 30 "the \"$1\" dialog to close" e2e_dialog_gone "$1"
}

e2e_click() {
  local handle=$1 x=${2:-6} y=${3:-6} repeat=${4:-1} left top
  read -r left top _ < <(e2e_wintree rect "$handle") ||
    e2e_fail "window $handle has no rectangle"
  xdotool mousemove $((left + x)) $((top + y)) click --repeat "$repeat" --delay 80 1
}

e2e_active_window() {
  e2e_wintree focus | cut -f1
}

e2e_focus_window() {
  e2e_wintree focus | cut -f2
}

e2e__is_active() {
  [[ $(e2e_active_window) == "$1" ]]
}

e2e__top_level() {
  e2e_windows_awk -v title="$1" '/^0x/ && $2 == "visible" && $4 == title { print $1; exit }'
}

# Wine shows a window to its programs at once, but maps its X window a moment
# later, in the showing program's own time; xdotool finds it only then, and
# says so only by its exit status. The first one found is in $E2E_X_WINDOW.
e2e__x_window() {
  local ids
  ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) || return
  E2E_X_WINDOW=${ids%%$'\n'*}
}

# Wine reports hotkeys only while one of its windows has the X focus, and
# gives typed keys to its active window; the two do not always follow each
# other, so both are set. (A click on the caption bar would do too, but may
# leave Wine in its window-moving loop.)
e2e_activate() {
  local handle
  handle=$(e2e__top_level "$1")
  [[ -n $handle ]] || e2e_fail "no visible window \"$1\" to activate"
  e2e_wintree activate "$handle"
  e2e_wait_for 20 "an X window \"$1\"" e2e__x_window "$1"
  xdotool windowfocus --sync "$E2E_X_WINDOW"
  e2e_wait_for 20 "\"$1\" to become the active window" e2e__is_active "$handle"
}

e2e_screenshot() {
  [[ -n ${E2E_SHOTS:-} ]] || return 0
  mkdir -p "$E2E_SHOTS"
  /usr/bin/import -window root "$E2E_SHOTS/$1.png"
}

e2e_demo_settings() {
  mkdir -p "$1"
  cp "$VORN_SOURCE/scripts/demo/Vorn.ini" "$VORN_SOURCE/scripts/demo/Stations.txt" "$1/"
}

e2e_start_vorn() {
  local dir=${1:-$E2E_TMP/vorn}
  shift || true
  mkdir -p "$dir"
  pushd "$dir" >/dev/null
  e2e_start vorn Vorn.exe "$@"
  popd >/dev/null
}

e2e__vorn_line=$'^0x[0-9a-f]+\tvisible\tVornForm\tPerseus-Vorn$'

e2e_vorn_shown() {
  e2e_window_listed "$e2e__vorn_line"
}

# Not simply "! e2e_vorn_shown", which a failed listing would also satisfy.
e2e_vorn_hidden() {
  local windows
  windows=$(e2e_wintree list) || return
  ! grep -qE -- "$e2e__vorn_line" <<<"$windows"
}

e2e_wait_vorn_ready() {
  e2e_wait_for 30 "Vorn to register its hotkey" \
    e2e_wintree atom "HotKeyManagerHotKey${1:-109}"
}

# Vorn starts hidden in the tray; the operator, working in the receiver
# program, brings it up with the hotkey.
e2e_show_vorn() {
  e2e_activate Perseus
  xdotool key "${1:-KP_Subtract}"
  e2e_wait_for 30 "Vorn's main window to show" e2e_vorn_shown
}

# shellcheck disable=SC2120  # the keys are optional
e2e_wait_vorn() {
  e2e_wait_vorn_ready "${1:-109}"
  e2e_show_vorn "${2:-KP_Subtract}"
}

# The tip shows when the mouse rests on the icon; Wine's tray window, which
# the stand-in's window may cover, is raised first.
e2e__tip_listed() {
  e2e_window_listed "^0x[0-9a-f]+"$'\t'"visible"$'\t'"tooltips_class32"$'\t'"$1\$"
}
e2e__tray_icon_centre() {
  local l t r b
  e2e_activate "Wine System Tray" >/dev/null
  # Without a window manager the active window is not raised by itself.
  xdotool windowraise "$E2E_X_WINDOW"
  read -r _ l t r b <<<"$(e2e_wine tray-poke.exe rects __winex11_tray_icon)"
  echo $(((l + r) / 2)) $(((t + b) / 2))
}
# A tip shown stays as it was shown: each try rests the mouse on the icon anew.
e2e__hover_tip_is() {
  local x y deadline=$((SECONDS + 2))
  read -r x y <<<"$(e2e__tray_icon_centre)"
  xdotool mousemove 600 700 sleep 0.3 mousemove "$x" "$y" mousemove_relative 1 1
  until e2e__tip_listed "$1"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}
e2e_expect_tip() {
  e2e_wait_for 20 "the tray icon's tip to be \"$1\"" e2e__hover_tip_is "$1"
  xdotool mousemove 600 700
}
e2e__popup_rect() { e2e_wine tray-poke.exe rects '#32768'; }
e2e__popup_up() { [[ -n $(e2e__popup_rect) ]]; }
e2e__popup_gone() { [[ -z $(e2e__popup_rect) ]]; }
e2e_tray_menu_last() {
  local x y l t r b
  read -r x y <<<"$(e2e__tray_icon_centre)"
  xdotool mousemove "$x" "$y" click 3
  e2e_wait_for 20 "the tray icon's menu" e2e__popup_up
  read -r _ l t r b <<<"$(e2e__popup_rect)"
  xdotool mousemove $((l + 20)) $((b - 8)) click 1
  e2e_wait_for 20 "the tray icon's menu to close" e2e__popup_gone
}

# Menus cannot be read from another process under Wine, and Vorn's captions
# carry no shortcuts: the keyboard walks the designed layout, F10 into the bar.
e2e_vorn_menu() {
  local -A position=([Stations]=0 [Stations/Load List]=0 [Stations/Save List]=1
    [Stations/Import List]=2 [Hotkey]=1 [Hotkey/Show]=0 [Hotkey/Change]=1
    [Hotkey/Change Next]=2 [Hotkey/Change Previous]=3 [Hide]=2 [Close]=3 [Info]=4
    [Remote]=5 [Remote/Network]=0
    [Remote/Kenwood]=1 [Remote/flrig]=2 [Remote/CAT Port]=3)
  local item=$1 top=${1%%/*} keys=(F10) i
  [[ -n ${position[$item]:-} && -n ${position[$top]:-} ]] || e2e_fail "Vorn has no menu item $item"
  e2e_activate Perseus-Vorn
  for ((i = 0; i < position[$top]; i++)); do keys+=(Right); done
  if [[ $item == */* ]]; then
    keys+=(Down)
    for ((i = 0; i < position[$item]; i++)); do keys+=(Down); done
    # A place below 0 counts from the menu's end, round which Up wraps.
    for ((i = 0; i > position[$item]; i--)); do keys+=(Up); done
  fi
  xdotool key --delay 30 "${keys[@]}" Return
}

# The first argument is the file for the stamp, "-" for stdout.
# shellcheck disable=SC2016  # Perl's variables
e2e__perl_stamp='use Time::HiRes qw(clock_gettime CLOCK_MONOTONIC_RAW);
  my $file = shift; my $out; $| = 1;
  if ($file eq "-") { $out = \*STDOUT; } else { open($out, ">", $file) or die "cannot write $file\n"; }
  printf $out "%.0f\n", clock_gettime(CLOCK_MONOTONIC_RAW) * 1e6;
  close $out if $file ne "-"; exec @ARGV or die "cannot run $ARGV[0]\n";'

e2e_stamp() {
  perl -e "$e2e__perl_stamp" - "$@"
}

e2e_start_stamped() {
  local name=$1 file=$2 exe
  exe=$(e2e_exe "$3")
  shift 3
  perl -e "$e2e__perl_stamp" "$file" "$E2E_WINE_LOADER" "$exe" "$@" </dev/null \
    >"$E2E_TMP/$name.out" 2>"$E2E_TMP/$name.err" {E2E_LOCK_FD}>&- &
  E2E_PIDS+=($!)
  E2E_PID_OF[$name]=$!
}

e2e_start_watch() {
  e2e__start_piped watch window-watch.exe
  E2E_WATCH_OUT="$E2E_TMP/watch.out"
  exec {E2E_WATCH_FD}>"$E2E_TMP/watch.in"
}

e2e__watch_lines() {
  (($(wc -l <"$E2E_WATCH_OUT") > $1))
}

e2e_watch() {
  local before
  before=$(wc -l <"$E2E_WATCH_OUT")
  printf '%s\n' "$1" >&"$E2E_WATCH_FD"
  e2e_wait_for 60 "the watcher to answer: $1" e2e__watch_lines "$before"
  sed -n "$((before + 1))p" "$E2E_WATCH_OUT" | tr -d '\r'
}

e2e_median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

e2e_ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

# One line of a timing report: LABEL, then the median, least and greatest of
# the microseconds given, in milliseconds.
e2e_report_ms() {
  local label=$1
  shift
  printf '  %-11s %8.1f  (%.1f..%.1f)\n' "$label" \
    "$(printf '%s\n' "$@" | e2e_median | awk '{ print $1 / 1000 }')" \
    "$(printf '%s\n' "$@" | sort -n | head -n 1 | awk '{ print $1 / 1000 }')" \
    "$(printf '%s\n' "$@" | sort -n | tail -n 1 | awk '{ print $1 / 1000 }')"
}
