#!/bin/bash
# Vorn.exe tells its name, version and copyright to the file's properties, with
# the build's version number.
source "$(dirname "$0")/lib.sh"
[[ -n ${VORN_VERSION:-} ]] || e2e_fail "VORN_VERSION is not set"
e2e_setup

info=$(e2e_wine version-probe.exe "$(e2e_winpath "$(e2e_exe Vorn.exe)")") ||
  e2e_fail "no version resource in Vorn.exe"
value() { awk -F'\t' -v name="$1" '$1 == name { print $2; exit }' <<<"$info"; }

e2e_expect_eq "the fixed file version" "$VORN_VERSION.0" "$(value fixed)"
e2e_expect_eq "the fixed product version" "$VORN_VERSION.0" "$(value product)"
e2e_expect_eq "the file version text" "$VORN_VERSION" "$(value FileVersion)"
e2e_expect_eq "the product version text" "$VORN_VERSION" "$(value ProductVersion)"
e2e_expect_eq "the product name" "Vorn" "$(value ProductName)"
e2e_expect_eq "the original file name" "Vorn.exe" "$(value OriginalFilename)"
[[ $(value FileDescription) == Vorn* ]] || e2e_fail "no description:"$'\n'"$info"
[[ $(value LegalCopyright) == Copyright* ]] || e2e_fail "no copyright:"$'\n'"$info"

# The helpers carry the icon alone: the version belongs to the program.
if e2e_wine version-probe.exe "$(e2e_winpath "$(e2e_exe tray-probe.exe)")" >/dev/null 2>&1; then
  e2e_fail "tray-probe.exe has a version resource"
fi
