#!/bin/bash
# Start with Windows and the start that waits for the receiver program, under
# Wine. The tray menu's last item makes the shortcut to this Vorn.exe in the
# prefix's Startup folder, with Vorn's folder as its working folder (read back
# through the shell), and writes WaitForReceiver=1; chosen again it removes
# the shortcut and writes 0. With WaitForReceiver=1 and no stand-in, Vorn
# stays in the tray with the waiting tip; the stand-in started later is found
# by Vorn's own search within 3 s, and a typed frequency tunes it.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
e2e_demo_settings "$dir"
startup=$(e2e_wine link-probe.exe startup | tr -d '\r')
[[ -n $startup ]] || e2e_fail "the shell names no Startup folder"
link="${startup}Vorn.lnk"
# Shortcuts an earlier run left behind would count as another copy's.
find "$WINEPREFIX/drive_c/users" -ipath '*/startup/vorn*.lnk' -delete

ini_value() { tr -d '\r' <"$dir/Vorn.ini" | sed -n "s/^$1=//p"; }
link_read() { e2e_wine link-probe.exe read "$link" | tr -d '\r'; }
link_made() { link_read >/dev/null; }
link_gone() { ! link_read >/dev/null; }
wait_is() { [[ $(ini_value WaitForReceiver) == "$1" ]]; }

# --- The tray menu's Start with Windows, with the receiver program running.
e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
e2e_tray_menu_last
e2e_wait_for 20 "the shortcut in the Startup folder" link_made
e2e_expect_eq "the shortcut's target and working folder" \
  "$(e2e_winpath "$(e2e_exe Vorn.exe)")"$'\t'"$(e2e_winpath "$dir")" "$(link_read)"
e2e_wait_for 20 "WaitForReceiver=1 in Vorn.ini" wait_is 1
e2e_tray_menu_last
e2e_wait_for 20 "the shortcut to go" link_gone
e2e_wait_for 20 "WaitForReceiver=0 in Vorn.ini" wait_is 0
e2e_tray_menu_last
e2e_wait_for 20 "the shortcut again" link_made
e2e_show_vorn
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
e2e_stop_receiver
wait_is 1 || e2e_fail "the close lost WaitForReceiver=1: $(cat "$dir/Vorn.ini")"

# --- At "logon": no receiver program. Vorn waits in the tray, and says so.
e2e_start_vorn "$dir"
e2e_wait_vorn_ready
started=$SECONDS
e2e_expect_tip "Vorn - waiting for the receiver program"
e2e_window_listed $'\tvisible\t#32770\tVorn$' && e2e_fail "a box showed at the waiting start"
# The receiver program comes a while later, after several of Vorn's searches.
waited_5s() { ((SECONDS - started >= 5)); }
e2e_wait_for 20 "5 s of waiting" waited_5s
# While it waits, Vorn's search runs on a timer with a hidden window of its
# own beside those of the tray icon and the hotkeys; linked, it stops.
hidden_windows() { e2e_wintree list | grep -c $'\tVornHiddenWindow\t'; }
searching() { (($(hidden_windows) == 3)); }
not_searching() { (($(hidden_windows) == 2)); }
searching || e2e_fail "no search runs while Vorn waits ($(hidden_windows) hidden windows)"
e2e_start_receiver
found=$(date +%s%N)
e2e_wait_for 3 "Vorn to find the stand-in and stop searching" not_searching
echo "linked $((($(date +%s%N) - found) / 1000000)) ms after the stand-in was ready"
e2e_expect_tip Vorn
e2e_show_vorn
xdotool type --delay 20 7100
xdotool key Return
e2e_wait_for 20 "the stand-in to be tuned to 7100" e2e_log_has $'\ttuned\t7100$'

# Removed again, for the next run in this prefix.
e2e_tray_menu_last
e2e_wait_for 20 "the shortcut to go" link_gone
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
