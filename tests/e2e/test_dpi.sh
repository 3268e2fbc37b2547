#!/bin/bash
# Vorn scales its designed layout by the screen's DPI: at 144 DPI the main
# window's client area, its controls, column widths and fonts, and those of the
# entry dialog, are half as large again as at 96 (within a pixel), and nothing
# overlaps, leaves its parent or cuts its text. The placement Vorn writes stays
# in the screen's pixels. Screenshots of both are kept in $E2E_SHOTS (by
# default the build's e2e-shots/dpi).
source "$(dirname "$0")/lib.sh"
e2e_setup
export E2E_SHOTS=${E2E_SHOTS:-$VORN_BUILD/e2e-shots/dpi}

top_level() {
  e2e_wintree list | awk -F'\t' -v title="$1" '/^0x/ && $2 == "visible" && $4 == title { print $1; exit }'
}
entry_dialog_shown() { [[ -n $(top_level "Add to List") ]]; }
entry_dialog_hidden() { ! entry_dialog_shown; }
prompt_shown() { e2e_wintree list | grep -qE $'^ +0x[0-9a-f]+\tvisible\tStatic\tHit key to set as new$'; }
prompt_hidden() { ! prompt_shown; }
ini_value() { tr -d '\r' <"$1" | awk -F= -v key="$2" '$1 == key { print $2; exit }'; }

# Starts everything at a DPI and writes the layouts of the main window, the
# entry dialog and the main window waiting for a new hotkey (its bold labels
# shown) to $E2E_TMP/main-DPI.txt, entry-DPI.txt and capture-DPI.txt.
measure_at() {
  local dpi=$1 dir="$E2E_TMP/vorn-$1" form width height
  e2e_set_dpi "$dpi"
  e2e_start_receiver
  # No settings: the designed place and size.
  e2e_start_vorn "$dir"
  e2e_expect_box Vorn 'File not found: Vorn.ini\rHotkey is Numpad-Subtract (-)\rWorking on Perseus V2.1f'
  e2e_wintree press Vorn OK
  e2e_wait_vorn 109 KP_Subtract
  form=$(top_level Perseus-Vorn)
  e2e_wine layout-probe.exe "$form" >"$E2E_TMP/main-$dpi.txt"
  e2e_screenshot "main-$dpi"

  e2e_click "$(e2e_child Perseus-Vorn Edit)" 20 10 2
  e2e_wait_for 20 "the entry dialog at $dpi DPI" entry_dialog_shown
  e2e_wine layout-probe.exe "$(top_level "Add to List")" >"$E2E_TMP/entry-$dpi.txt"
  e2e_screenshot "entry-$dpi"
  e2e_wintree press "Add to List" Abbrechen
  e2e_wait_for 20 "the entry dialog to close" entry_dialog_hidden

  e2e_vorn_menu Hotkey/Change
  e2e_wait_for 20 "the hotkey prompt at $dpi DPI" prompt_shown
  e2e_wine layout-probe.exe "$form" >"$E2E_TMP/capture-$dpi.txt"
  e2e_screenshot "capture-$dpi"
  xdotool key Escape
  e2e_wait_for 20 "the list to come back" prompt_hidden

  read -r _ _ width height < <(e2e_wintree rect "$form")
  if ((dpi == 96)); then
    e2e_expect_eq "the designed size at 96 DPI" "309 515" "$width $height"
  fi
  e2e_vorn_menu Close
  e2e_wait_exit 30 vorn
  e2e_expect_eq "the width Vorn.ini keeps at $dpi DPI" "$width" "$(ini_value "$dir/Vorn.ini" Width)"
  e2e_expect_eq "the height Vorn.ini keeps at $dpi DPI" "$height" \
    "$(ini_value "$dir/Vorn.ini" Height)"
  e2e_stop_receiver
}

# Fails unless every number at 144 DPI is 1.5 times its value at 96, within a
# pixel, and neither layout has a flaw.
expect_scaled() {
  local name=$1 small="$E2E_TMP/$1-96.txt" large="$E2E_TMP/$1-144.txt" report
  e2e_expect_eq "the DPI of the $name at 96" 96 "$(awk -F'\t' '$1 == "dpi" { print $2 }' "$small")"
  e2e_expect_eq "the DPI of the $name at 144" 144 "$(awk -F'\t' '$1 == "dpi" { print $2 }' "$large")"
  report=$(awk -F'\t' '
    function numbers() {
      if ($1 == "control") return $4
      if ($1 == "client" || $1 == "menubar") return $2 " " $3
      return $4
    }
    $1 == "overlap" || $1 == "outside" || $1 == "cut" { print FILENAME ": " $0; next }
    $3 == "Static/other" { print FILENAME ": a label in neither of the toolkit fonts: " $0 }
    $1 == "dpi" { next }
    { key = $1 ($1 == "client" || $1 == "menubar" ? "" : "\t" $2) ($1 == "column" ? "\t" $3 : "") }
    FNR == NR { small[key] = numbers(); line[key] = $0; kind[key] = $3; next }
    !(key in small) { print "only at 144: " $0; next }
    $1 == "control" && $3 != kind[key] { print "another kind at 144: " line[key] "  ->  " $0 }
    {
      split(small[key], a, " "); n = split(numbers(), b, " ")
      for (i = 1; i <= n; i++) {
        d = b[i] - 1.5 * a[i]
        # Labels are as wide and as high as their text in their font (whose
        # kind is checked above), and check boxes widen for theirs: fonts do
        # not all grow in step with the DPI.
        if (i >= 3 && $3 ~ /^Static/) continue
        if (i == 3 && $3 == "Button/check" && d > 0) continue
        if (d > 1 || d < -1) { print "not 1.5 times: " line[key] "  ->  " $0; break }
      }
      delete small[key]
    }
    END { for (k in small) print "only at 96: " line[k] }' "$small" "$large")
  [[ -z $report ]] || e2e_fail "the $name at 144 DPI:"$'\n'"$report"$'\n'"--- 96:"$'\n'"$(cat "$small")"$'\n'"--- 144:"$'\n'"$(cat "$large")"
}

measure_at 96
measure_at 144
expect_scaled main
expect_scaled entry
expect_scaled capture
echo "screenshots in $E2E_SHOTS"
