#!/bin/bash
# The transports' behaviour tests over Winsock, under Wine.
source "$(dirname "$0")/../e2e/lib.sh"
e2e_setup
e2e_wine vorn-transport-contract.exe "$@" || e2e_fail "the transports' behaviour tests failed on Win32"
