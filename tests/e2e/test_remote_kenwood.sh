#!/bin/bash
# Kenwood CAT on a COM port under Wine: a socat pty pair whose one end the
# prefix maps as COM5, chosen in the "CAT Port" dialog that Vorn's "Remote"
# menu opens, the menu opening and closing the port, and on
# the other end hamlib's TS-2000 model (rigctl -m 2014) and a replay of how
# OmniRig's TS-2000 profile polls. Only VFO A tunes the stand-in; a status
# line comes unasked while auto-information is on and a station row tunes;
# a port that cannot be opened, or one that goes away, gives its message.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/serial_lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
serial_pair com5 program
e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn

# The program's end of the pair, on a descriptor of its own.
cat_open() { exec {CAT_FD}<>"$E2E_TMP/program"; }
cat_close() { exec {CAT_FD}>&-; }
cat_send() { printf '%s' "$1" >&"$CAT_FD"; }
# The next answer, up to and including its ';'.
cat_read() {
  local answer
  IFS= read -r -d ';' -t "${1:-5}" -u "$CAT_FD" answer || return 1
  printf '%s;' "$answer"
}
cat_answers() {
  cat_send 'ID;'
  [[ $(cat_read 3) == 'ID019;' ]]
}
# Sends the commands, then "ID;" as a marker: $collected is what came before
# the marker's answer.
cat_collect() {
  local answer
  collected=""
  cat_send "$1ID;"
  while answer=$(cat_read) || e2e_fail "no answer to $1 (so far: $collected)"; [[ $answer != 'ID019;' ]]; do
    collected+=$answer
  done
}
# Exactly the expected answers must come before the marker's.
cat_exchange() {
  cat_collect "$1"
  e2e_expect_eq "the answers to $1" "$2" "$collected"
}
# --- Off, as the settings have it; the menu's item asks for a port first
# ("Kenwood CAT..."), and opens the one typed into the dialog.
port_dialog_shown() { e2e_wintree list | grep -qE $'^0x[0-9a-f]+\tvisible\tVornDialog\tCAT Port$'; }
port_dialog_hidden() { ! port_dialog_shown; }
e2e_vorn_menu Remote/Kenwood
e2e_wait_for 20 "the CAT Port dialog" port_dialog_shown
e2e_screenshot kenwood-port-dialog
xdotool key Home shift+End
xdotool type --delay 20 COM5
e2e_wait_for 10 "the port to be typed" e2e_has_text "$(e2e_child "CAT Port" ComboBox 1)" COM5
xdotool key Return
e2e_wait_for 20 "the dialog to close" port_dialog_hidden
cat_open
e2e_wait_for 20 "Vorn to answer on COM5" cat_answers
cat_close

# --- hamlib's TS-2000 model, as an operator would run it.
before=$(e2e_event_count)
out=$(timeout 60 rigctl -m 2014 -r "$E2E_TMP/program" -s 9600 \
  f F 7074000 f M LSB 0 m V VFOB v V VFOA S 1 VFOB s S 0 VFOA T 1 t T 0 2>"$E2E_TMP/rigctl.err") ||
  e2e_fail "rigctl failed ($?): $(tail -5 "$E2E_TMP/rigctl.err")"$'\n'"$out"
mapfile -t lines <<<"$out"
e2e_expect_eq "rigctl's frequency after F" 7074000 "${lines[1]}"
e2e_expect_eq "rigctl's mode after M" LSB "${lines[2]}"
e2e_expect_eq "rigctl's VFO after V VFOB" VFOB "${lines[4]}"
e2e_expect_eq "rigctl's split after S 1 VFOB" $'1\nVFOB' "${lines[5]}"$'\n'"${lines[6]}"
# "t" right after "T 1" is answered from hamlib's own cache, whatever Vorn says.
e2e_wait_for 20 "the stand-in to be tuned to 7074 in LSB" e2e_log_has $'\tdemod\tLSB$'
e2e_expect_eq "the stand-in's presses" \
  "$(printf 'click Frequency %s\n' 7 0 7 4 kHz)"$'\ntuned 7074\nclick Perseus LSB\ndemod LSB' \
  "$(e2e__events_after "$before")"

# --- OmniRig's way: AI0, then IF, FA and FB polled between its writes, none
# of which is answered.
cat_open
cat_exchange 'AI0;' ''
poll() {
  cat_collect 'IF;FA;FB;'
  [[ $collected =~ ^(IF[0-9]{11}0000\+[0-9]{19};)(FA[0-9]{11};)(FB[0-9]{11};)$ ]] ||
    e2e_fail "the poll got $(printf '%q' "$collected")"
  ((${#BASH_REMATCH[1]} == 38)) || e2e_fail "an IF answer of ${#BASH_REMATCH[1]} bytes"
}
for write in 'FA00007100000;' 'FR0;FT1;' 'MD2;' 'FB00009650000;' 'FR0;FT0;' 'RX;' 'FR0;FT1;'; do
  poll
  cat_send "$write"
done
poll
e2e_expect_eq "the last poll" 'IF000071000000000+0000000000020010000;FA00007100000;FB00009650000;' "$collected"
e2e_wait_for 20 "the stand-in to be tuned to 7100 in USB" e2e_log_has $'\tdemod\tUSB$'

# --- With auto-information on, a station row tuned in Vorn comes unasked.
cat_exchange 'FR0;FT0;AI1;' ''
e2e_row1_tunes 6070 AM '12 kHz'
unasked() {
  local answer
  answer=$(cat_read 1) && [[ $answer == 'IF000060700000000+0000000000050000000;' ]]
}
e2e_wait_for 20 "the status line after the row's tuning" unasked
cat_exchange 'AI0;' ''
cat_close

# --- Served while a message box is open, as every modal loop runs the
# port's timer.
e2e_vorn_menu Info
e2e_wait_for 30 "the Info box" e2e__box_shown Vorn
cat_open
e2e_wait_for 10 "an answer while the box is open" cat_answers
cat_close
e2e_wintree press Vorn OK

# --- Switched off, and the port gone from the prefix: the menu gives the
# message and Vorn stays off. (Wine lets a second program open a COM port
# that one holds, so a port held elsewhere is a unit test's case.)
e2e_vorn_menu Remote/Kenwood
serial_unmap com5
e2e_vorn_menu Remote/Kenwood
e2e_expect_box Vorn 'Kenwood CAT cannot open COM5.\rVorn runs without it.'
e2e_wintree press Vorn OK
serial_map com5

# --- Open again, until the pair goes away: one message, and it is off.
e2e_vorn_menu Remote/Kenwood
cat_open
e2e_wait_for 20 "Vorn to answer on COM5 again" cat_answers
cat_close
serial_pair_gone
e2e_expect_box Vorn 'Kenwood CAT on COM5 has stopped: the port failed.'
e2e_wintree press Vorn OK
e2e_screenshot kenwood-failed

e2e_vorn_menu Close
e2e_wait_exit 30 vorn
ini=$(tr -d '\r' <"$dir/Vorn.ini")
[[ $ini == *$'[Cat]\nEnabled=0\nPort=COM5'* ]] || e2e_fail "the close did not keep [Cat]: $ini"
serial_unmap com5
