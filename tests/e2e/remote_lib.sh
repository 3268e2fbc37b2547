# shellcheck shell=bash
# Raw clients of Vorn's remote-control endpoint, each on a descriptor of its
# own (bash's /dev/tcp), for the scenarios test_remote_*.sh.
#
#   remote_ini DIR                the demo settings with the endpoint turned on, in DIR
#   remote_open NAME              connects a client to 127.0.0.1:$REMOTE_PORT
#   remote_send NAME TEXT         sends TEXT as it is
#   remote_read NAME N            prints the next N lines the client receives
#   remote_closed NAME            whether Vorn has closed that client's connection
#   remote_close NAME             the client goes away
#   remote_listening              whether something listens on 127.0.0.1:$REMOTE_PORT
#   remote_half_closed            whether a connection waits for Vorn to close it

REMOTE_PORT=4532
declare -gA REMOTE_FD=()
# A write to a connection Vorn has closed must fail, not end the scenario.
trap '' PIPE

remote_ini() {
  e2e_demo_settings "$1"
  printf '[Remote]\r\nEnabled=1\r\n' >>"$1/Vorn.ini"
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
