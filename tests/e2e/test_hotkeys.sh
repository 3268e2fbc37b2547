#!/usr/bin/env bash
# System hotkeys under Wine: a registered key raises the event with its value
# and atom, a taken key is refused within and across processes until it is
# released, and the key texts agree with the names the system gives.
set -euo pipefail
source "$VORN_SOURCE/tests/e2e/lib.sh"
e2e_setup

probe="$VORN_BUILD/tests/e2e/hotkey-probe.exe"
log_a="$E2E_TMP/probe-a.log"
log_b="$E2E_TMP/probe-b.log"

# The third field of the first log line whose first two fields are $2 and $3.
field() { awk -F'\t' -v a="$2" -v b="$3" '$1 == a && $2 == b { print $3; exit }' "$1"; }
has_line() { grep -qxF "$2" "$1"; }
count_lines() { grep -cxF "$2" "$1" || true; }

is_active() { [[ "$(grep -xE 'active|inactive' "$1" | tail -n 1)" == active ]]; }

# Wine reports hotkeys only while one of its windows has the X focus, and
# gives typed keys to its active window, which a click makes a window.
focus() {
  local title="hotkey-probe $1" log=$2 id
  e2e_wait_for 20 "window $title" xdotool search --name "^$title\$"
  id=$(xdotool search --name "^$title\$" | head -n 1)
  xdotool windowfocus --sync "$id"
  if ! is_active "$log"; then
    xdotool mousemove --window "$id" 120 30 click 1
    e2e_wait_for 20 "$title becoming active" is_active "$log"
  fi
}

e2e_start probe-a "$probe" --log "$log_a" --name A
e2e_wait_for 60 "probe A ready" has_line "$log_a" ready

index_a=$(field "$log_a" register 109)
[[ "$index_a" =~ ^[0-9]+$ ]] && ((index_a >= 0xC000)) || e2e_fail "109 got index '$index_a'"
[[ "$(field "$log_a" atom 109)" == "$index_a" ]] ||
  e2e_fail "index $index_a is not the atom of HotKeyManagerHotKey109"
[[ "$(field "$log_a" second 109)" == 0 ]] || e2e_fail "second registration of 109 was not refused"
index_f9=$(field "$log_a" register 24696)
((index_f9 != 0)) || e2e_fail "Ctrl+Shift+F9 was refused"

# Key texts: English and localized, each against the system's own answer.
for key in 109 120 36 16 17 18; do
  text=$(grep -P "^keytext\t$key\t" "$log_a" | cut -f3-)
  system=$(grep -P "^system\t$key\t" "$log_a" | cut -f3-)
  [[ -n "$system" && "$text" == "$system" ]] ||
    e2e_fail "key $key: KeyText gives '$text', the system '$system'"
done
[[ "$(field "$log_a" keytext 120)" == F9 ]] || e2e_fail "120 does not read F9"
all_mods=$(grep -P "^keytext\t123000\t" "$log_a" | cut -f3)
[[ "$all_mods" == "Ctrl+Shift+Alt+Win+F9" ]] || e2e_fail "all modifiers read '$all_mods'"

focus A "$log_a"
xdotool key KP_Subtract
e2e_wait_for 20 "the press of 109" has_line "$log_a" "pressed	109	$index_a"
xdotool key ctrl+shift+F9
e2e_wait_for 20 "the press of Ctrl+Shift+F9" has_line "$log_a" "pressed	24696	$index_f9"

# Another process cannot take 109 while A holds it, and can once A let it go.
e2e_start probe-b "$probe" --log "$log_b" --name B --x 400
e2e_wait_for 60 "probe B ready" has_line "$log_b" ready
[[ "$(field "$log_b" register 109)" == 0 ]] || e2e_fail "B registered 109 while A held it"

focus A "$log_a"
xdotool key r
e2e_wait_for 20 "A releasing everything" has_line "$log_a" released

focus B "$log_b"
xdotool key g
e2e_wait_for 20 "B registering 109 again" grep -qP "^again\t109\t" "$log_b"
index_b=$(field "$log_b" again 109)
((index_b != 0)) || e2e_fail "B could not register 109 after A released it"
xdotool key KP_Subtract
e2e_wait_for 20 "B seeing the press of 109" has_line "$log_b" "pressed	109	$index_b"
(($(count_lines "$log_a" "pressed	109	$index_a") == 1)) || e2e_fail "A saw 109 after releasing it"

xdotool key q
e2e_wait_for 20 "B ending cleanly" has_line "$log_b" bye
grep -q exception "$log_a" "$log_b" && e2e_fail "an exception left a window procedure"
echo "key names: $(grep -hP '^(keytext|system)\t' "$log_a" | tr '\t' '|' | paste -sd ' ')"
