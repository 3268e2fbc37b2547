#!/bin/bash
# The serial ports' contract over real COM ports under Wine: a socat pty pair
# whose ends the prefix maps as COM5 (the port under test) and COM6 (the
# driver's other end).
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/serial_lib.sh"
e2e_setup
serial_pair com5 com6
e2e_wine vorn-serial-contract.exe "$@" || e2e_fail "the serial ports' contract failed on Win32"
