#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Vorn need,
# and only those that are missing. Needs root (or sudo) when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev googletest
  g++-mingw-w64-x86-64 g++-mingw-w64-i686
  wine64 wine32:i386 fonts-wine xvfb xdotool x11-utils imagemagick mawk perl
  unzip
  libhamlib-utils socat iproute2 e2fsprogs python3
)
# scripts/check-deps.sh takes the list from here.
if [[ ${1:-} == --list ]]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# The 32-bit build runs under 32-bit Wine, from Debian's i386 architecture.
if [[ " ${missing[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
