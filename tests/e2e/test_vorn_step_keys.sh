#!/bin/bash
# The Next and Previous hotkeys of Vorn.exe under Wine, pressed while the
# operator works in the receiver program: each tunes the next or previous row
# of the list, Previous from the first row goes to the last, Vorn stays hidden
# and the receiver program keeps the focus, and the tray icon's tip names the
# station until a typed frequency tunes another. Capturing a Next key refuses
# a letter, and the main hotkey pressed meanwhile is refused there too
# instead of hiding Vorn or tuning.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"

# Steps with KEY from the stand-in and expects the tuning of a row.
step_tunes() {
  local key=$1 before
  shift
  e2e_activate Perseus
  before=$(e2e_event_count)
  xdotool key "$key"
  e2e_expect_tuned "$before" "$@"
  e2e_vorn_hidden || e2e_fail "Vorn showed itself on $key"
  e2e_expect_eq "the foreground window after $key" "$receiver" "$(e2e_active_window)"
}
has_tray_icon() { [[ -n $(e2e_wine tray-poke.exe rects __winex11_tray_icon) ]]; }

# F7 is Next, F8 is Previous.
sed -i 's/^Key=109\r\?$/Key=109\r\nNext=118\r\nPrevious=119\r/' "$dir/Vorn.ini"
grep -q '^Previous=119' "$dir/Vorn.ini" || e2e_fail "the demo settings have no Key=109 line"
e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
e2e_wait_for 20 "the Next hotkey" e2e_wintree atom HotKeyManagerHotKey118
e2e_wait_for 20 "the Previous hotkey" e2e_wintree atom HotKeyManagerHotKey119
receiver=$(e2e__top_level Perseus)

step_tunes F7 6070 AM '12 kHz'
step_tunes F7 7100 LSB 1.6kHz
step_tunes F8 6070 AM '12 kHz'
step_tunes F8 14100 CW 0.8kHz

# The tray icon's tip names the station last stepped to.
e2e_wait_for 20 "Vorn's icon in the system tray" has_tray_icon
e2e_expect_tip "Vorn - 14100 Beacon"

step_tunes F7 6070 AM '12 kHz'

# A typed frequency tunes elsewhere: the tip no longer names the station.
e2e_show_vorn
xdotool type --delay 20 7100
xdotool key Return
e2e_wait_for 20 "the stand-in to be tuned to 7100" e2e_log_has $'\ttuned\t7100$'
e2e_expect_tip Vorn

# A letter is no Next key; Vorn's own hotkey pressed while it waits for one is
# refused there, and neither hides Vorn nor tunes.
e2e_vorn_menu "Hotkey/Change Next"
xdotool key a
e2e_expect_box Vorn 'A types text. Next and Previous take a key that types nothing,\rsuch as F1 to F12.'
e2e_wintree press Vorn OK
e2e_wait_for 20 "the message to close" e2e_dialog_gone Vorn
e2e_vorn_menu "Hotkey/Change Next"
before=$(e2e_event_count)
xdotool key KP_Subtract
# The key's English name is what Wine's keyboard layout calls it.
e2e_wait_for 30 "a box Vorn" e2e__box_shown Vorn
[[ $(e2e_box_text Vorn) == *" is already Vorn's hotkey." ]] ||
  e2e_fail "the main hotkey while capturing gave: $(e2e_box_text Vorn)"
e2e_wintree press Vorn OK
e2e_wait_for 20 "the message to close" e2e_dialog_gone Vorn
e2e_vorn_shown || e2e_fail "the main hotkey pressed while capturing hid Vorn"
e2e_expect_eq "the receiver's events while capturing" "" \
  "$(e2e_receiver_events | tail -n +$((before + 1)))"
e2e_vorn_menu Hide
e2e_wait_for 20 "Vorn to hide" e2e_vorn_hidden
step_tunes F7 7100 LSB 1.6kHz
