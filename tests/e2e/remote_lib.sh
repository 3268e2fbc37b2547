# shellcheck shell=bash
# Raw clients of Vorn's remote-control endpoint, each on a descriptor of its
# own (bash's /dev/tcp), for the scenarios test_remote_*.sh.
#
#   remote_ini DIR                the demo settings with the endpoint turned on, in DIR
#   remote_start_vorn DIR [ARGS]  those settings, the stand-in (with ARGS), and Vorn
#                                 started in DIR until it listens
#   remote_hold_port              another program takes 127.0.0.1:$REMOTE_PORT
#   remote_release_port           and gives it back
#   remote_open NAME              connects a client to 127.0.0.1:$REMOTE_PORT
#   remote_send NAME TEXT         sends TEXT as it is
#   remote_read NAME N            prints the next N lines the client receives
#   remote_exchange NAME REQUEST EXPECTED  sends the request line, then a marker
#                                 request, and fails unless exactly the EXPECTED
#                                 lines (newline-separated) come before the marker's
#                                 answer: a missing or extra line fails at once
#   remote_closed NAME            whether Vorn has closed that client's connection
#   remote_close NAME             the client goes away
#   remote_listening              whether something listens on 127.0.0.1:$REMOTE_PORT
#   remote_half_closed            whether a connection waits for Vorn to close it
#
# For the timing scripts (bench/e2e_*.sh):
#   remote_percentile P           the P-th percentile of the numbers on stdin, one a line
#   remote_ratio_report LABEL FLOOR TIMED  the bare keying's median (the floor), the
#                                 timed request's under LABEL, and their ratio
#   remote_typing_start           the operator types into Vorn's shown window and erases
#                                 it, on and on, until remote_typing_stop

REMOTE_PORT=4532
declare -gA REMOTE_FD=()
# A write to a connection Vorn has closed must fail, not end the scenario.
trap '' PIPE

remote_ini() {
  e2e_demo_settings "$1"
  printf '[Remote]\r\nEnabled=1\r\n' >>"$1/Vorn.ini"
}

remote_start_vorn() {
  remote_ini "$1"
  e2e_start_receiver "${@:2}"
  e2e_start_vorn "$1"
  e2e_wait_vorn_ready
  e2e_wait_for 20 "Vorn to listen on 127.0.0.1:$REMOTE_PORT" remote_listening
}

remote_hold_port() {
  perl -MIO::Socket::INET -e '
    my $s = IO::Socket::INET->new(LocalAddr => "127.0.0.1:'"$REMOTE_PORT"'", Listen => 1, ReuseAddr => 1) or die "$!\n";
    $| = 1; print "holding\n"; sleep 300' >"$E2E_TMP/holder.out" 2>&1 &
  REMOTE_HOLDER=$!
  E2E_PIDS+=("$REMOTE_HOLDER")
  e2e_wait_for 20 "another program to hold the port" grep -q holding "$E2E_TMP/holder.out"
}

remote_release_port() {
  kill "$REMOTE_HOLDER"
  wait "$REMOTE_HOLDER" 2>/dev/null || true
}

remote_open() {
  local fd
  exec {fd}<>"/dev/tcp/127.0.0.1/$REMOTE_PORT" || e2e_fail "client $1 could not connect"
  REMOTE_FD[$1]=$fd
}

remote_send() {
  printf "%s" "$2" 1>&"${REMOTE_FD[$1]}" 2>/dev/null || true
}

remote_read() {
  local i line out=""
  for ((i = 0; i < $2; i++)); do
    IFS= read -r -t 20 -u "${REMOTE_FD[$1]}" line ||
      e2e_fail "client $1 got no line $((i + 1)) of $2 (so far: $(printf '%q' "$out"))"
    out+=$line$'\n'
  done
  printf '%s' "$out"
}

# "+\chk_vfo" is answered with this one line, which no other answer holds.
REMOTE_MARKER='ChkVFO: 0'

remote_exchange() {
  local line out=""
  remote_send "$1" "$2"$'\n+\\chk_vfo\n'
  while :; do
    IFS= read -r -t 20 -u "${REMOTE_FD[$1]}" line ||
      e2e_fail "client $1 got no answer to $2 (so far: $(printf '%q' "$out"))"
    [[ $line == "$REMOTE_MARKER" ]] && break
    out+=$line$'\n'
  done
  e2e_expect_eq "the lines read after $2" "$3" "${out%$'\n'}"
}

remote_closed() {
  local line status=0
  IFS= read -r -t 20 -u "${REMOTE_FD[$1]}" line || status=$?
  # 1 is the end of the stream (or a reset); above 128 a timeout.
  ((status == 1))
}

remote_close() {
  local fd=${REMOTE_FD[$1]}
  exec {fd}>&-
  unset "REMOTE_FD[$1]"
}

remote_listening() {
  ss -ltnH "sport = :$REMOTE_PORT" | grep -q "127.0.0.1:$REMOTE_PORT"
}

remote_half_closed() {
  ss -tnH state close-wait "sport = :$REMOTE_PORT" | grep -q .
}

remote_percentile() {
  sort -n | awk -v p="$1" '{ v[NR] = $1 } END { i = int(NR * p / 100 + 0.999999); if (i < 1) i = 1; print v[i] }'
}

remote_ratio_report() {
  printf '  %-44s%s us\n' "bare keying, as its sender saw it, median" "$2" "$1" "$3"
  awk -v r="$3" -v b="$2" 'BEGIN { printf "  %-44s%.3f (goal <= 1.3)\n", "ratio", r / b }'
}

remote_typing_start() {
  (while :; do xdotool type --delay 30 12345 && xdotool key --delay 30 BackSpace BackSpace BackSpace BackSpace BackSpace; done) \
    >/dev/null 2>&1 &
  REMOTE_TYPIST=$!
}

remote_typing_stop() {
  kill "$REMOTE_TYPIST"
  wait "$REMOTE_TYPIST" 2>/dev/null || true
}
