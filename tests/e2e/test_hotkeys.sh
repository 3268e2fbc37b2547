#!/bin/bash
# System hotkeys under Wine: a registered key raises the event with its value
# and atom, a taken key is refused within and across processes until it is
# released, and the key texts agree with the names the system gives.
source "$(dirname "$0")/lib.sh"
e2e_setup

log_a="$E2E_TMP/probe-a.log"
log_b="$E2E_TMP/probe-b.log"
tab=$'\t'

# The third field of the first log line whose first two fields are $2 and $3.
field() { awk -F'\t' -v a="$2" -v b="$3" '$1 == a && $2 == b { print $3; exit }' "$1"; }
has_line() { grep -qxF -- "$2" "$1" 2>/dev/null; }
window_of() { xdotool search --onlyvisible --name "^hotkey-probe $1\$" | head -n 1; }
has_window() { [[ -n $(window_of "$1") ]]; }
is_active() { [[ $(grep -xE 'active|inactive' "$1" | tail -n 1) == active ]]; }

# Wine reports hotkeys only while one of its windows has the X focus, and
# gives typed keys to its active window, which a click makes a window.
focus() {
  local log=$2 id
  e2e_wait_for 20 "the window of probe $1" has_window "$1"
  id=$(window_of "$1")
  xdotool windowfocus --sync "$id"
  if ! is_active "$log"; then
    xdotool mousemove --window "$id" 120 30 click 1
    e2e_wait_for 20 "probe $1 becoming active" is_active "$log"
  fi
}

e2e_start probe-a hotkey-probe.exe --log "$(e2e_winpath "$log_a")" --name A
e2e_wait_for 60 "probe A ready" has_line "$log_a" ready

index_a=$(field "$log_a" register 109)
if ! [[ $index_a =~ ^[0-9]+$ ]] || ((index_a < 0xC000)); then
  e2e_fail "109 got index '$index_a'"
fi
e2e_expect_eq "the index of 109 is the atom of HotKeyManagerHotKey109" \
  "$index_a" "$(field "$log_a" atom 109)"
e2e_expect_eq "a second registration of 109 is refused" 0 "$(field "$log_a" second 109)"
index_f9=$(field "$log_a" register 24696)
((index_f9 != 0)) || e2e_fail "Ctrl+Shift+F9 was refused"

# Key texts, English and localized, each against the system's own answer.
for key in 109 120 36 16 17 18; do
  system=$(grep "^system$tab$key$tab" "$log_a" | cut -f3-)
  [[ -n $system ]] || e2e_fail "the system gave no names for key $key"
  e2e_expect_eq "the texts of key $key" "$system" "$(grep "^keytext$tab$key$tab" "$log_a" | cut -f3-)"
done
e2e_expect_eq "the English text of 120" F9 "$(field "$log_a" keytext 120)"
e2e_expect_eq "the English text of all modifiers with 120" "Ctrl+Shift+Alt+Win+F9" \
  "$(field "$log_a" keytext 123000)"

focus A "$log_a"
xdotool key KP_Subtract
e2e_wait_for 20 "the press of 109" has_line "$log_a" "pressed${tab}109$tab$index_a"
xdotool key ctrl+shift+F9
e2e_wait_for 20 "the press of Ctrl+Shift+F9" has_line "$log_a" "pressed${tab}24696$tab$index_f9"

# Another process cannot take 109 while A holds it, and can once A let it go.
e2e_start probe-b hotkey-probe.exe --log "$(e2e_winpath "$log_b")" --name B --x 400
e2e_wait_for 60 "probe B ready" has_line "$log_b" ready
e2e_expect_eq "B registering 109 while A holds it" 0 "$(field "$log_b" register 109)"

focus A "$log_a"
xdotool key r
e2e_wait_for 20 "A releasing everything" has_line "$log_a" released

focus B "$log_b"
xdotool key g
e2e_wait_for 20 "B registering 109 again" grep -q "^again${tab}109$tab" "$log_b"
index_b=$(field "$log_b" again 109)
((index_b != 0)) || e2e_fail "B could not register 109 after A released it"
xdotool key KP_Subtract
e2e_wait_for 20 "B seeing the press of 109" has_line "$log_b" "pressed${tab}109$tab$index_b"
e2e_expect_eq "presses of 109 that A saw" 1 "$(grep -c "^pressed${tab}109$tab" "$log_a")"

xdotool key q
e2e_wait_for 20 "B ending cleanly" has_line "$log_b" bye
! grep -q exception "$log_a" "$log_b" || e2e_fail "an exception left a window procedure"
echo "key names (key, English, localized):"
grep "^keytext$tab" "$log_a" | cut -f2-
