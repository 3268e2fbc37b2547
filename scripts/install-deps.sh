#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Vorn need,
# and only those that are missing. Needs root (or sudo) when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev googletest
  g++-mingw-w64-x86-64 g++-mingw-w64-i686
  wine64 fonts-wine xvfb xdotool x11-utils imagemagick mawk perl
  unzip
  libhamlib-utils socat iproute2 e2fsprogs python3
)
# Only the 32-bit build's end-to-end subset needs these; where they cannot be
# had (an i386 index the mirror does not give), that subset is skipped.
packages_32bit=(wine32:i386)
# scripts/check-deps.sh takes the list from here.
if [[ ${1:-} == --list ]]; then
  printf '%s\n' "${packages[@]}" "${packages_32bit[@]}"
  exit 0
fi

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_32bit < <(missing_of "${packages_32bit[@]}")
[ $((${#missing[@]} + ${#missing_32bit[@]})) -eq 0 ] && exit 0

echo "Installing: ${missing[*]} ${missing_32bit[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "Run as root or install: ${missing[*]} ${missing_32bit[*]}" >&2
    exit 1
  }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
install=("${sudo[@]}" apt-get install -y -qq --no-install-recommends)
# The 32-bit build runs under 32-bit Wine, from Debian's i386 architecture.
if [ ${#missing_32bit[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
# A mirror in the middle of a sync fails one index or another; the packages
# may still all be found in the indexes that did arrive, and if not, the
# install below says which one is missing.
"${sudo[@]}" apt-get update -qq || echo "apt-get update failed in part; installing from the indexes it has" >&2
[ ${#missing[@]} -eq 0 ] || "${install[@]}" "${missing[@]}"
if [ ${#missing_32bit[@]} -gt 0 ] && ! "${install[@]}" "${missing_32bit[@]}"; then
  echo "install-deps: could not install ${missing_32bit[*]}; the 32-bit end-to-end subset" \
    "will be skipped" >&2
fi
