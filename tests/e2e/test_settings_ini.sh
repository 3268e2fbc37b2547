#!/bin/bash
# Vorn.ini through the system's private-profile service: the first close
# creates it, hand-written hexadecimal values and a lower-case version read
# back, a hotkey that is not kept stays as it was, and a refused write is
# reported with the file's path.
source "$(dirname "$0")/lib.sh"
e2e_setup

work="$E2E_TMP/settings"
mkdir -p "$work"
ini="$work/Vorn.ini"
win_dir="$(e2e_winpath "$work")\\"

run_probe() { e2e_wine ini-probe.exe "$@" | tr -d '\r'; }

# Fails unless `output` holds every expected line.
expect_lines() {
  local output=$1 line
  shift
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$output" || e2e_fail "no line '$line' in:
$output"
  done
}

# No file: the defaults and the message; nothing is created by reading.
out=$(run_probe read "$win_dir")
expect_lines "$out" found=0 hotkey=109 saved=0 version=V2.1f autohide=0 list= \
  "message=File not found: Vorn.ini|Hotkey is Numpad-Subtract (-)|Working on Perseus V2.1f"
[[ ! -e $ini ]] || e2e_fail "reading created $ini"

# The first close creates the file with every written key, the hotkey too.
run_probe write "$win_dir" 109 V2.1f 10 20 300 400 1 1 >/dev/null
[[ -f $ini ]] || e2e_fail "the first write did not create $ini"
content=$(tr -d '\r' <"$ini")
expect_lines "$content" "[Hotkey]" Key=109 "[Perseus]" Version=V2.1f "[Placement]" Left=10 Top=20 \
  Width=300 Height=400 "[Autohide]" Checked=1
! grep -qi StationLists <<<"$content" || e2e_fail "StationLists written:
$content"
out=$(run_probe read "$win_dir")
expect_lines "$out" found=1 left=10 top=20 width=300 height=400 hotkey=109 saved=109 autohide=1

# A file written by hand: hexadecimal values, a lower-case version, blanks.
printf '%s\r\n' "[Placement]" "Left=0x20" "Top=  -5" "Width=\$6D" "Height=abc" \
  "[hotkey]" "key=\$406D" "[Perseus]" "Version=v2.1f" \
  "[Autohide]" "Checked=0" "[StationLists]" "Default=stations.txt" >"$ini"
out=$(run_probe read "$win_dir")
expect_lines "$out" found=1 left=32 top=-5 width=109 height=374 hotkey=16493 saved=16493 \
  version=v2.1f autohide=0 list=stations.txt panel_title=Frequency panel_terminator=kHz

# A close that does not keep the hotkey: its hand-written value stays, the
# version goes back in lower case, the list name is left alone.
run_probe write "$win_dir" 107 v2.1f 1 2 3 4 0 0 >/dev/null
content=$(tr -d '\r' <"$ini")
grep -qxF "key=\$406D" <<<"$content" || e2e_fail "the hotkey was rewritten:
$content"
expect_lines "$content" Version=v2.1f Default=stations.txt
out=$(run_probe read "$win_dir")
expect_lines "$out" left=1 top=2 width=3 height=4 hotkey=16493 version=v2.1f list=stations.txt

# Any other version chooses the other keypad captions.
run_probe write "$win_dir" 109 V2.2 1 2 3 4 0 0 >/dev/null
out=$(run_probe read "$win_dir")
expect_lines "$out" version=V2.2 "panel_title=Frequency (kHz)" panel_terminator=Ok

# A write the service refuses: a directory that does not exist.
missing_dir="${win_dir}missing\\"
if out=$(run_probe write "$missing_dir" 109 V2.1f 1 2 3 4 0 1); then
  e2e_fail "a write into a missing directory succeeded"
fi
expect_lines "$out" "error=In ${missing_dir}Vorn.ini kann nicht geschrieben werden"
echo "settings ini: ok"
