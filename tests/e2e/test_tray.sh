#!/bin/bash
# The tray icon under Wine, through a probe with a hidden main form and the
# popup menu Show, Hide, Close: the probe starts hidden with its icon in
# Wine's system tray and the icon's tooltip from its hint; a double-click on
# the icon clicks the menu's default item (if any) and then raises
# OnDblClick; releasing the right button pops the menu up at the mouse, and
# its items act; other mouse messages do nothing; the icon goes with the
# probe. Mouse actions are made on the icon itself, as an operator would, and
# also posted as the shell's callback message.
source "$(dirname "$0")/lib.sh"
e2e_setup

tab=$'\t'
log=
# The first-version record: 88 bytes with 32-bit handles, 104 with 64-bit ones.
record=104
(($(e2e_build_bits) == 32)) && record=88

has_line() { grep -qxF -- "$1" "$log" 2>/dev/null; }
value() { awk -F'\t' -v k="$1" '$1 == k { print $2; exit }' "$log"; }
# The probe's event lines, one blank between fields.
events() { sed -n '/^ready$/,$p' "$log" | tail -n +2 | tr '\t' ' '; }
events_are() { [[ $(events) == "$1" ]]; }
expect_events() {
  e2e_wait_for 20 "the probe's events to be: $1" events_are "$1"
}
rect_of() { e2e_wine tray-poke.exe rects "$1"; }
has_rect() { [[ -n $(rect_of "$1") ]]; }
lacks_rect() { [[ -z $(rect_of "$1") ]]; }
window_line() { e2e_wintree list | grep -qxE "0x[0-9a-f]+$tab$1"; }
form_is() { window_line "$1${tab}VornForm${tab}Tray Probe"; }

start_probe() {
  log="$E2E_TMP/$1.log"
  e2e_start "$1" tray-probe.exe --log "$(e2e_winpath "$log")" "${@:2}"
  e2e_wait_for 60 "probe $1 to be ready" has_line ready
  window=$(value window)
  e2e_wait_for 20 "the icon in the system tray" has_rect __winex11_tray_icon
  local l t r b
  read -r _ l t r b <<<"$(rect_of __winex11_tray_icon)"
  icon_x=$(((l + r) / 2))
  icon_y=$(((t + b) / 2))
}

post() {
  local mouse
  for mouse in "$@"; do
    e2e_wine tray-poke.exe post "$window" 1025 57051 "$mouse" || e2e_fail "posting $mouse failed"
  done
}

# Waits for the popup menu, checks that it stands at X Y, and clicks item
# INDEX of its three items.
choose() {
  local x=$1 y=$2 index=$3 l t r b
  e2e_wait_for 20 "the popup menu" has_rect '#32768'
  read -r _ l t r b <<<"$(rect_of '#32768')"
  e2e_expect_eq "the popup menu's top left corner" "$x $y" "$l $t"
  xdotool mousemove $((l + 20)) $((t + (2 * index + 1) * (b - t) / 6)) click 1
  e2e_wait_for 20 "the popup menu to close" lacks_rect '#32768'
}

# ---- no default item, the title as hint (as on Vorn's main window) ----

start_probe plain
e2e_expect_eq "the application's show-main-form setting" 0 "$(value showmainform)"
# The first-version record; the shell accepted it.
e2e_expect_eq "the icon added" "add${tab}1${tab}$record${tab}tray-probe" "$(grep '^add' "$log")"
form_is hidden || e2e_fail "the main form is not hidden at start"

xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 60 1
expect_events "dblclick"

xdotool mousemove "$icon_x" "$icon_y" click 3
choose "$icon_x" "$icon_y" 0
expect_events "dblclick
click Show"
e2e_wait_for 20 "the form to show" form_is visible

xdotool mousemove 400 300
post 517
choose 400 300 1
expect_events "dblclick
click Show
click Hide"
e2e_wait_for 20 "the form to hide" form_is hidden

# Moves, presses and single clicks do nothing; the double-click after them
# shows they were all handled.
post 512 513 514 516 518 519 520 515
expect_events "dblclick
click Show
click Hide
dblclick"

xdotool mousemove "$icon_x" "$icon_y" click 3
choose "$icon_x" "$icon_y" 2
e2e_wait_for 20 "the probe to end" has_line bye
e2e_expect_eq "the icon deleted with the same record" "delete${tab}1${tab}$record${tab}tray-probe" \
  "$(grep '^delete' "$log")"
e2e_wait_for 20 "the icon to leave the system tray" lacks_rect __winex11_tray_icon

# ---- a default item and a hint longer than the tooltip takes ----

hint=$(printf 'Tray%.0s' {1..15})0123456789
start_probe default --default Show --hint "$hint"
tip=${hint:0:63}
e2e_expect_eq "the icon added with the cut hint" "add${tab}1${tab}$record${tab}$tip" \
  "$(grep '^add' "$log")"
xdotool mousemove "$icon_x" "$icon_y" mousemove_relative 1 1
e2e_wait_for 20 "the icon's tooltip" window_line "visible${tab}tooltips_class32${tab}$tip"

post 515
expect_events "click Show
dblclick"
e2e_wait_for 20 "the form to show" form_is visible

xdotool mousemove "$icon_x" "$icon_y" click 3
choose "$icon_x" "$icon_y" 1
e2e_wait_for 20 "the form to hide" form_is hidden
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 60 1
expect_events "click Show
dblclick
click Hide
click Show
dblclick"
e2e_wait_for 20 "the form to show" form_is visible

post 517
choose "$icon_x" "$icon_y" 2
e2e_wait_for 20 "the probe to end" has_line bye
! grep -q exception "$log" || e2e_fail "an exception left the tray's window procedure"
