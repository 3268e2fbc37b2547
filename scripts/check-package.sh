#!/usr/bin/env bash
# Builds the release zips of both Windows presets and checks that each holds
# the program for its platform, its README with Windows line endings and the
# example station list, and nothing else.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -nE 's/^project\(Vorn VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
[[ -n $version ]] || {
  echo "FAIL: no version in CMakeLists.txt" >&2
  exit 1
}
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# PE machine types: x86-64 and i386.
for entry in windows:win64:8664 windows-x86:win32:014c; do
  IFS=: read -r preset platform machine <<<"$entry"
  zip="build/$preset/Vorn-$version-$platform.zip"
  rm -f "$zip"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target package >/dev/null
  [[ -f $zip ]] || fail "$zip was not made"
  unzip -l "$zip"
  contents=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
  [[ $contents == "README.txt Stations.txt Vorn.exe " ]] || fail "$zip holds: $contents"

  rm -rf "${unpacked:?}"/*
  unzip -q "$zip" -d "$unpacked"
  pe=$(od -An -tu4 -j 60 -N 4 "$unpacked/Vorn.exe" | tr -d ' ')
  found=$(od -An -tx1 -j "$((pe + 4))" -N 2 "$unpacked/Vorn.exe" | awk '{ print $2 $1 }')
  [[ $found == "$machine" ]] || fail "Vorn.exe in $zip is for machine $found, not $machine"
  grep -qv $'\r$' "$unpacked/README.txt" && fail "README.txt in $zip has lines without CRLF"
  grep -qE $'^ *[0-9.]+; *[0-9.]+; *[A-Z]+; ".*"\r$' "$unpacked/Stations.txt" ||
    fail "Stations.txt in $zip holds no station"
  echo "ok: $zip"
done
