#!/bin/bash
# The transports' behaviour tests over Winsock and real COM ports, under Wine.
# The serial cases use a socat pty pair whose ends the prefix maps as COM5 (the
# port under test) and COM6 (the driver's other end); when the driver creates
# the file VORN_SERIAL_GONE names, socat ends, and the pair with it.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/serial_lib.sh"
e2e_setup
serial_pair com5 com6
gone="$E2E_TMP/peer-gone"
(
  e2e_wait_for 280 "the driver to end the pair" test -e "$gone"
  serial_pair_gone
) >/dev/null 2>&1 &
E2E_PIDS+=($!)
VORN_SERIAL_GONE=$(e2e_winpath "$gone") e2e_wine vorn-transport-contract.exe "$@" ||
  e2e_fail "the transports' behaviour tests failed on Win32"
serial_unmap com5
serial_unmap com6
