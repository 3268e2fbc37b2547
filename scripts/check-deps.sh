#!/usr/bin/env bash
# Fails when something the end-to-end harness takes from the system (the list
# in tests/e2e/system-files.txt) comes from a Debian package that
# scripts/install-deps.sh neither installs nor pulls in as a hard dependency.
# Recommended packages do not count: install-deps.sh goes without them. Such a
# fault hides wherever the package happens to be installed, so this looks at
# who owns each file, not only whether it is there.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=../tests/e2e/lib.sh
source tests/e2e/lib.sh

arch=$(dpkg --print-architecture)
# Names as apt and dpkg print them: without <> around virtual packages and
# without the native or "any" architecture.
plain_names() { sed -e 's/^<\(.*\)>$/\1/' -e "s/:\\($arch\\|any\\)\$//"; }

listed=$(scripts/install-deps.sh --list)
mapfile -t packages <<<"$listed"
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
  --no-breaks --no-replaces --no-enhances "${packages[@]}")
# Essential packages are on every Debian system without being asked for.
essential=$(dpkg-query -W -f='${binary:Package} ${Essential}\n' | awk '$2 == "yes" { print $1 }')
covered=$(printf '%s\n%s\n%s\n' "$listed" "$(grep -v '^ ' <<<"$closure")" "$essential" |
  plain_names | sort -u)
is_covered() { grep -qxF -- "$1" <<<"$covered"; }

# The packages owning a path, one a line; dpkg may know a file of the merged
# /usr by its old place, outside /usr.
owners_of() {
  local path candidates=() found
  path=$(realpath -- "$1")
  candidates=("$path" "$1")
  [[ $path == /usr/* ]] && candidates+=("${path#/usr}")
  for path in "${candidates[@]}"; do
    if found=$(dpkg-query -S -- "$path" 2>/dev/null); then
      grep -v '^diversion ' <<<"$found" | sed 's/: .*//' | tr ',' '\n' | tr -d ' ' | plain_names
      return
    fi
  done
}

problems=0
problem() {
  echo "check-deps: $*" >&2
  problems=$((problems + 1))
}

entries=$(e2e__system_entries)
only_32bit=$(e2e__system_entries 32-bit)
while read -r entry package; do
  if ! is_covered "$package"; then
    problem "$entry: package $package is not in scripts/install-deps.sh nor a hard dependency of one there"
    continue
  fi
  if ! path=$(e2e__system_path "$entry"); then
    if grep -qxF -- "$entry $package" <<<"$only_32bit"; then
      echo "check-deps: $entry is missing (package $package); the 32-bit scenarios will be skipped" >&2
    else
      problem "missing $entry: install Debian package $package"
    fi
    continue
  fi
  owners=$(owners_of "$path")
  if [[ -z $owners ]]; then
    problem "$entry ($path) belongs to no Debian package"
    continue
  fi
  ok=
  while read -r owner; do is_covered "$owner" && ok=1; done <<<"$owners"
  [[ -n $ok ]] || problem "$entry ($path) comes from package $(paste -sd/ <<<"$owners"), which" \
    "scripts/install-deps.sh neither lists nor gets as a hard dependency"
done <<<"$entries"

# A system path written into a script but not into the list escapes both checks.
scripts=(tests/e2e/*.sh bench/e2e_*.sh scripts/*.sh .ci/run)
used=$(grep -ohE '(^|[^[:alnum:]_$}./-])/(usr|bin|sbin|lib|opt|etc)/[[:alnum:]_./+-]*[[:alnum:]]' "${scripts[@]}" |
  sed 's/^[^/]//' | sort -u)
while read -r path; do
  [[ -z $path ]] || awk -v p="$path" '$1 == p { found = 1 } END { exit !found }' <<<"$entries" ||
    problem "$path is used in $(grep -lF -- "$path" "${scripts[@]}" | paste -sd' ') but missing from tests/e2e/system-files.txt"
done <<<"$used"

if ((problems > 0)); then
  echo "check-deps: $problems problem(s)" >&2
  exit 1
fi
echo "check-deps: $(wc -l <<<"$entries") system files and programs, all from packages scripts/install-deps.sh brings"
