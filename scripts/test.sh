#!/usr/bin/env bash
# One command for all tests: installs what is missing, builds the native and
# the Windows presets, runs the unit tests and the end-to-end tests under Wine
# (the 32-bit build's subset under 32-bit Wine).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
cmake --preset windows
cmake --build --preset windows
cmake --preset windows-x86
cmake --build --preset windows-x86

ctest --preset native
ctest --preset windows -L e2e
# The 32-bit subset needs 32-bit Wine, which install-deps.sh may not have
# been able to install, and a kernel that runs 32-bit programs (IA32
# emulation): a machine whose kernel leaves it out cannot start Wine's 32-bit
# loader at all (status 126). Without either the subset is skipped, saying so.
status=0
/usr/lib/wine/wine --version >/dev/null 2>&1 || status=$?
if [[ ! -e /usr/lib/wine/wine ]]; then
  echo "test.sh: 32-bit Wine (wine32:i386) is not installed;" \
    "the 32-bit end-to-end subset is skipped (its build was built)" >&2
elif ((status == 126)); then
  echo "test.sh: this machine's kernel does not run 32-bit programs;" \
    "the 32-bit end-to-end subset is skipped (its build was built)" >&2
else
  ctest --preset windows-x86 -L e2e
fi
