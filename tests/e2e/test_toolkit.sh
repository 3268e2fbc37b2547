#!/bin/bash
# The window toolkit under Wine, through a demo window built like Vorn's main
# window: the controls and captions exist, typed keys pass the key filter, list
# clicks, keys and the popup menu reach their handlers, sorting follows the
# system's comparison, the entry dialog keeps its tab order and results, and
# the boxes carry their captions and answers. Screenshots of the main window,
# the dialog and the question box are kept in $VORN_BUILD/screenshots.
source "$(dirname "$0")/lib.sh"
e2e_setup

log="$E2E_TMP/demo.log"
shots="$VORN_BUILD/screenshots"
mkdir -p "$shots"
tab=$'\t'

has_line() { grep -qxF -- "$1" "$log" 2>/dev/null; }
value() { awk -F'\t' -v k="$1" '$1 == k { print $2; exit }' "$log"; }
wait_line() { e2e_wait_for 20 "the demo to log: $1" has_line "$1"; }
point() { awk -F'\t' -v n="$1" '$1 == "at" && $2 == n { print $3, $4; exit }' "$log"; }
# click_at POINT BUTTON [CLICK-OPTIONS]: a click at one of the points the demo logged.
click_at() {
  local x y
  read -r x y <<<"$(point "$1")"
  xdotool mousemove "$x" "$y" click "${@:3}" "$2"
}
screenshot() { /usr/bin/import -window root "$shots/toolkit-$1.png"; }

# The window listing without handles, from a top-level window with this class
# and title to the next top-level window.
tree_of() {
  e2e_wintree list | awk -F'\t' -v head="$1$tab$2" '
    /^0x/ { inside = ($3 "\t" $4 == head) }
    inside { sub(/0x[0-9a-f]+\t/, ""); print }'
}
x_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
has_x_window() { [[ -n $(x_window "$1") ]]; }
focused_on() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$(x_window "$1")" ]]; }
# Wine gives typed keys to the window that has the X focus.
focus_window() {
  e2e_wait_for 20 "a window titled $1" has_x_window "$1"
  focused_on "$1" || xdotool windowfocus --sync "$(x_window "$1")"
  e2e_wait_for 20 "the focus on $1" focused_on "$1"
}
box_shown() { tree_of '#32770' "$1" | grep -qF -- "$2"; }
popup_shown() { e2e_wintree list | grep -qE "^0x[0-9a-f]+${tab}visible${tab}#32768${tab}"; }

# ---- sorting: the list view orders captions as the sim's comparison does ----

# The order the unit tests expect of the sim (AnsiCompareTest), ascending.
expected="$E2E_TMP/order.txt"
printf '%s\n' "" "-" " " " 1" "- 1" " 7100" "." ".-" "-." ".1" "0" "1" "1-" "-1" "1 " "1 0" \
  "1." "1.0" "1.5 2" "1.5-2" "10" "1-0" "10000" "12 kHz" "12kHz" "14100" "1a" "6070" "7100" \
  "7100 5" "7100.5" "71005" "7100-5" "9" "a" "A" "a b" "a.b" "a-.b" "a1" "ab" "ab'" "ab-" "a'b" \
  "a-b" "a--b" "-ab" "aB" "a-B" "Ab" "A-b" "AB" "ab " "ab." "abc" "abc-" "ab-c" "b" "B" "co op" \
  "co.op" "coop" "co-op" "Coop" "Co-op" "x 1" "x.1" "x1" "x-1" "z" "Z" >"$expected"
shuf --random-source=<(yes) "$expected" >"$E2E_TMP/shuffled.txt"
e2e_wine toolkit-demo.exe --log "$(e2e_winpath "$log")" \
  --sort-check "$(e2e_winpath "$E2E_TMP/shuffled.txt")"
e2e_expect_eq "the list view's sorted order" "$(sed 's/.*/[&]/' "$expected")" \
  "$(sed -n '/^rows$/,$p' "$log" | tail -n +2)"

# ---- the main window ----

e2e_start demo toolkit-demo.exe --log "$(e2e_winpath "$log")"
e2e_wait_for 60 "the demo to be ready" has_line ready
e2e_expect_eq "the title from the executable's name" toolkit-demo "$(value title)"
e2e_expect_eq "a sizeable frame with a caption bar and no buttons" caption,thickframe \
  "$(value style)"
e2e_expect_eq "the main window's controls" "visible${tab}VornForm${tab}Perseus-Vorn
  visible${tab}VornPanel${tab}
    visible${tab}Edit${tab}
    visible${tab}Button${tab}AutoHide
  visible${tab}SysListView32${tab}
    visible${tab}SysHeader32${tab}
  visible${tab}VornPanel${tab}
    visible${tab}Button${tab}Sort List
    visible${tab}Static${tab}Station list:
    visible${tab}Edit${tab}demo.txt
  hidden${tab}Static${tab}Hit key to set as new
  hidden${tab}Static${tab}Hotkey (ESC: Abort)" "$(tree_of VornForm Perseus-Vorn)"

focus_window Perseus-Vorn
click_at edit 1
xdotool type --delay 20 '71a0-0.5'
xdotool key Return
wait_line "enter${tab}7100.5"
screenshot main

click_at row1 1
wait_line "click${tab}1${tab}14100"
xdotool key Down
wait_line "keyup${tab}40${tab}2"
click_at empty 1
wait_line "click${tab}none"

click_at row0 3
e2e_wait_for 20 "the list's popup menu" popup_shown
xdotool key Down Down Return
wait_line "deleted${tab}0"
wait_line "rows${tab}14100,10000"

click_at sorted 1
wait_line "sorted${tab}1"
wait_line "rows${tab}10000,14100"

# ---- the entry dialog: prefilled, tab order, OK, Esc, close button ----

click_at edit 1 --repeat 2 --delay 80
focus_window "Add to List"
e2e_expect_eq "the entry dialog's controls" "visible${tab}VornDialog${tab}Add to List
  visible${tab}Static${tab}Frequency (kHz)
  visible${tab}Edit${tab}7100.5
  visible${tab}Static${tab}Bandwidth
  visible${tab}ComboBox${tab}50 kHz
    visible${tab}Edit${tab}50 kHz
  visible${tab}Static${tab}Demodulator
  visible${tab}ComboBox${tab}AM
    visible${tab}Edit${tab}AM
  visible${tab}Static${tab}Station Name
  visible${tab}Edit${tab}
  visible${tab}Button${tab}OK
  visible${tab}Button${tab}Abbrechen" "$(tree_of VornDialog 'Add to List')"
xdotool type --delay 20 '9500'
xdotool key Tab
xdotool type --delay 20 '1.6 kHz'
xdotool key Tab Tab
xdotool type --delay 20 'Radio Demo'
screenshot dialog
xdotool key Return
wait_line "dialog${tab}ok${tab}9500|1.6 kHz|AM|Radio Demo"
# Sorted with the system's comparison, "9500" goes after "14100".
wait_line "rows${tab}10000,14100,9500"

click_at edit 1 --repeat 2 --delay 80
focus_window "Add to List"
xdotool key Escape
wait_line "dialog${tab}cancel"

# ---- menus and boxes ----

focus_window Perseus-Vorn
click_at edit 1
xdotool key F10 Right Down Return # Hotkey, Show: its handler fails
e2e_wait_for 20 "the error box" box_shown toolkit-demo "Static${tab}E/A-Fehler 32."
e2e_wintree press toolkit-demo OK

focus_window Perseus-Vorn
xdotool key F10 Right Down Down Return # Hotkey, Change
wait_line capture
screenshot capture
xdotool key F9
wait_line "capture end${tab}120"
xdotool type '5'
xdotool key Return
wait_line "enter${tab}5"

close_demo() {
  focus_window Perseus-Vorn
  xdotool key F10 Right Right Right Return
  e2e_wait_for 20 "the question box" box_shown Informationen "Stationlist has changed, save?"
}
close_demo
e2e_expect_eq "the question box's buttons" "Button${tab}&Ja
Button${tab}&Nein
Button${tab}Abbrechen" "$(tree_of '#32770' Informationen | grep -o "Button$tab.*")"
screenshot question
e2e_wintree press Informationen '&Nein'
wait_line "answer${tab}no"
[[ $(tree_of VornForm Perseus-Vorn | head -n 1) == visible* ]] || e2e_fail "No closed the window"

close_demo
focus_window Informationen
xdotool key Escape
wait_line "answer${tab}cancel"

close_demo
e2e_wintree press Informationen '&Ja'
wait_line "answer${tab}yes"
wait_line closed
