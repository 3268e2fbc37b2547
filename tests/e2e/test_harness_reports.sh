#!/bin/bash
# shellcheck disable=SC2016  # the scenarios' code and the texts expected are quoted as they are
# A scenario that ends early says why: the failing command with its place,
# the stand-in's last log lines and a screenshot kept with its files; a file
# missing from the system is named with its package before anything starts.
# Each case is a small scenario of its own, run here and expected to fail.
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs a scenario of NAME with BODY after e2e_setup; its output goes to
# $out, its kept files are in $kept (removed when the next case runs).
scenario() {
  local name=$1 script="$work/$1.sh"
  printf '#!/bin/bash\nsource %q\ne2e_setup\n%s\n' "$(dirname "$0")/lib.sh" "$2" >"$script"
  out="$work/$name.out"
  if bash "$script" >"$out" 2>&1; then e2e_fail "the scenario $name did not fail"; fi
  kept=$(sed -n "s/^kept the scenario's files in //p" "$out")
}
says() { grep -qxF -- "$2" "$out" || e2e_fail "$1 does not say: $2"$'\n'"$(cat "$out")"; }
kept_screenshot() {
  [[ -n $kept && -s $kept/failure.png ]] || e2e_fail "$1 kept no screenshot"$'\n'"$(cat "$out")"
  [[ $(grep -c '^screenshot: ' "$out") == 1 ]] || e2e_fail "$1 did not report one screenshot"
  rm -rf "$kept"
}

scenario failed_command '
e2e_start_receiver
look() { grep -q "no such line" "$E2E_RECEIVER_LOG"; }
look'
says "a failed command" 'ERR: status 1 from: grep -q "no such line" "$E2E_RECEIVER_LOG"'
says "a failed command" "  at failed_command.sh:6 (look), called from failed_command.sh:7"
says "a failed command" "--- receiver log (last 20 lines) ---"
grep -qE $'^[0-9]+\tready$' "$out" || e2e_fail "the stand-in's log is missing"$'\n'"$(cat "$out")"
kept_screenshot "a failed command"

# A pipeline whose first command fails, even though the last one does not.
scenario failed_pipeline "id=\$(xdotool search --name '^no such window\$' | head -n 1)"
says "a failed pipeline" "ERR: status 1 from: id=\$(xdotool search --name '^no such window\$' | head -n 1)"
says "a failed pipeline" "  at failed_pipeline.sh:4"
kept_screenshot "a failed pipeline"

# e2e_fail in a command substitution: its own message, then the place.
scenario failure_in_substitution 'edit=$(e2e_child "no such window" Edit)'
says "a failure in a substitution" 'FAIL: no control Edit number 1 in a window "no such window"'
says "a failure in a substitution" 'ERR: status 1 from: edit=$(e2e_child "no such window" Edit)'
kept_screenshot "a failure in a substitution"

# A writer cut off by its reader ends nothing, so it reports nothing.
scenario plain_exit 'head -c 1 <(yes) >/dev/null
exit 3'
says "an exit" "FAIL: the scenario ended with status 3"
grep -q '^ERR: ' "$out" && e2e_fail "a cut-off writer was reported:"$'\n'"$(cat "$out")"
kept_screenshot "an exit"

printf '# a comment\n\n/nonexistent/font.ttf  fonts-example\n' >"$work/system-files.txt"
E2E_SYSTEM_FILES="$work/system-files.txt" scenario missing_file ''
e2e_expect_eq "the report of a missing file" \
  "FAIL: missing /nonexistent/font.ttf: install Debian package fonts-example" "$(cat "$out")"
