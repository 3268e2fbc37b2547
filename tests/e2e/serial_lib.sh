# shellcheck shell=bash
# Serial port pairs for the scenarios: socat joins two ptys, and the Wine
# prefix maps either end as a COM port.
#
#   serial_pair A B     a pair whose ends are $E2E_TMP/A and $E2E_TMP/B; an
#                       end named comN is also the prefix's COMN
#   serial_map comN     the prefix's COMN is that end again
#   serial_unmap comN   the prefix's COMN goes
#   serial_pair_gone    socat ends, and with it both ends

serial_pair() {
  local end
  socat -d -d "pty,raw,echo=0,link=$E2E_TMP/$1" "pty,raw,echo=0,link=$E2E_TMP/$2" \
    2>"$E2E_TMP/socat.err" &
  SERIAL_SOCAT=$!
  E2E_PIDS+=("$SERIAL_SOCAT")
  e2e_wait_for 20 "socat's pty pair" test -e "$E2E_TMP/$1" -a -e "$E2E_TMP/$2"
  for end in "$1" "$2"; do
    [[ $end == com* ]] && serial_map "$end"
  done
  return 0
}

serial_map() {
  rm -f "$WINEPREFIX/dosdevices/$1"
  ln -s "$(readlink -f "$E2E_TMP/$1")" "$WINEPREFIX/dosdevices/$1"
}

serial_unmap() {
  rm -f "$WINEPREFIX/dosdevices/$1"
}

serial_pair_gone() {
  kill "$SERIAL_SOCAT"
  wait "$SERIAL_SOCAT" 2>/dev/null || true
}
