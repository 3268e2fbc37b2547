#!/bin/bash
# The Next and Previous hotkeys of Vorn.exe under Wine, pressed while the
# operator works in the receiver program: each tunes the next or previous row
# of the list, Previous from the first row goes to the last, Vorn stays hidden
# and the receiver program keeps the focus, and the tray icon's tip names the
# station.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
tab=$'\t'

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
tray_icon_rect() { e2e_wine tray-poke.exe rects __winex11_tray_icon; }
has_tray_icon() { [[ -n $(tray_icon_rect) ]]; }
tip_shown() { e2e_window_listed "^0x[0-9a-f]+${tab}visible${tab}tooltips_class32${tab}$1\$"; }

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

# The tray icon's tip names the station last stepped to. Wine's tray window
# lies under the stand-in's: raised, the mouse rests on the icon.
e2e_wait_for 20 "Vorn's icon in the system tray" has_tray_icon
e2e_activate "Wine System Tray"
read -r _ l t r b <<<"$(tray_icon_rect)"
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) mousemove_relative 1 1
e2e_wait_for 20 "the tip naming the station" tip_shown "Vorn - 14100 Beacon"

step_tunes F7 6070 AM '12 kHz'
