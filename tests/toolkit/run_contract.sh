#!/bin/bash
# The toolkit's behaviour tests over the real Win32 controls, under Wine in a
# virtual display of their own.
source "$(dirname "$0")/../e2e/lib.sh"
e2e_setup
e2e_wine vorn-toolkit-contract.exe "$@" || e2e_fail "the toolkit's behaviour tests failed on Win32"
