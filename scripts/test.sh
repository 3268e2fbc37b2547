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
ctest --preset windows-x86 -L e2e
