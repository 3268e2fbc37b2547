#!/bin/bash
# Import List of a bookmark file that another program wrote in UTF-8, in
# Vorn.exe under Wine (ANSI code page 1252): the names arrive intact in the
# list (checked on a screenshot, as other processes read list rows in UTF-8
# under Wine whatever they hold) and Save List writes them as Windows-1252
# bytes; a character the code page lacks becomes one byte as well.
source "$(dirname "$0")/lib.sh"
e2e_setup

dir="$E2E_TMP/vorn"
lists="$E2E_TMP/lists"
mkdir -p "$lists"
e2e_demo_settings "$dir"
# "Señal" and "Ōsaka" (a macron that Windows-1252 lacks) in UTF-8.
printf '%s\n' '# Tag name ; color' 'Untagged ; #c0c0c0' '' \
  '# Frequency ; Name ; Modulation ; Bandwidth ; Tags' \
  $'9650000 ; Se\xc3\xb1al Radio ; AM ; 9000 ; Untagged' \
  $'6090000 ; \xc5\x8csaka ; AM ; 9000 ; Untagged' >"$lists/bookmarks.csv"

e2e_start_receiver
e2e_start_vorn "$dir"
e2e_wait_vorn

e2e_vorn_menu "Stations/Import List"
e2e_choose_file Open "$lists/bookmarks.csv"
e2e_expect_box Vorn '2 stations imported.'
e2e_wintree press Vorn OK
e2e_wait_for 20 "the report to close" e2e_dialog_gone Vorn
e2e_screenshot utf8-names

# A click on the first row tunes it, name or not.
e2e_row1_tunes 9650 AM '12 kHz'

e2e_vorn_menu "Stations/Save List"
e2e_choose_file "Save As" "$dir/Imported.txt"
e2e_wait_for 20 "the saved list" test -s "$dir/Imported.txt"
e2e_expect_eq "the first row's bytes" \
  "$(printf '     9650;  12;   AM; "Se\xf1al Radio"\r\n' | od -An -tx1)" \
  "$(head -n 1 "$dir/Imported.txt" | od -An -tx1)"
second=$(sed -n 2p "$dir/Imported.txt")
case $second in
  $'     6090;  12;   AM; "Osaka"\r' | $'     6090;  12;   AM; "?saka"\r') ;;
  *) e2e_fail "the second row: $(printf '%q' "$second")" ;;
esac
echo "a character outside the code page became: ${second:23:1}"

# Saved, the rows count as unchanged: the close asks nothing.
e2e_vorn_menu Close
e2e_wait_exit 30 vorn
