#!/bin/bash
# Station list files through the Win32 file layer: raw bytes with CR LF, a
# round trip, the framework's error texts, and a failed save that leaves the
# old file as it was with no temporary file beside it.
export LC_ALL=C
source "$(dirname "$0")/lib.sh"
e2e_setup

work="$E2E_TMP/lists"
mkdir -p "$work"
win_dir="$(e2e_winpath "$work")\\"

run_probe() { e2e_wine list-file-probe.exe "$@" | tr -d '\r'; }

expect_lines() {
  local output=$1 line
  shift
  for line in "$@"; do
    grep -qxF -- "$line" <<<"$output" || e2e_fail "no line '$line' in:
$output"
  done
}

# Saved bytes exactly, a doubled quote in the name, read back whole.
run_probe save "${win_dir}a.txt" '6070|12 kHz|AM|Radio One' '7100|2.4kHz|USB|Say "hi"' >/dev/null
expected=$'     6070;  12;   AM; "Radio One"\r\n     7100;2.4k;  USB; "Say ""hi"""\r\n'
[[ $(od -An -c "$work/a.txt") == "$(printf "%s" "$expected" | od -An -c)" ]] ||
  e2e_fail "saved bytes differ: $(od -c "$work/a.txt")"
out=$(run_probe load "${win_dir}a.txt")
expect_lines "$out" "row=6070|12 kHz|AM|Radio One" 'row=7100|2.4k kHz|USB|Say "hi"' unchanged=1

# Bytes of the ANSI code page pass unconverted; a lone CR ends a line too.
printf '1;2;AM;"R\xE4dio"\r3;4;FM;b' >"$work/ansi.txt"
out=$(run_probe load "${win_dir}ansi.txt")
expect_lines "$out" $'row=1|2 kHz|AM|R\xE4dio' "row=3|4 kHz|FM|b" unchanged=1

# An empty list gives a file of 0 bytes.
run_probe save "${win_dir}empty.txt" >/dev/null
[[ -f $work/empty.txt && ! -s $work/empty.txt ]] || e2e_fail "empty list did not give 0 bytes"

# A short line: the rows before it stay and count as unchanged.
printf '1;2;AM;a\n3;4;FM\n5;6;CW;c\n' >"$work/short.txt"
if out=$(run_probe load "${win_dir}short.txt"); then e2e_fail "short line loaded"; fi
expect_lines "$out" "row=1|2 kHz|AM|a" unchanged=1 $'error=Listenindex \xFCberschreitet das Maximum (3)'
[[ $(grep -c '^row=' <<<"$out") == 1 ]] || e2e_fail "rows after the short line: $out"

# A file that cannot be opened names its path.
if out=$(run_probe load "${win_dir}missing.txt"); then e2e_fail "missing file loaded"; fi
grep -qF $'error=Datei '"${win_dir}"$'missing.txt kann nicht ge\xF6ffnet werden. ' <<<"$out" ||
  e2e_fail "open error: $out"

# Failed saves: locked by another handle, missing directory, a directory as
# target. The old file stays byte for byte, and nothing else appears.
before=$(od -An -c "$work/a.txt")
listing=$(ls -A "$work")
if out=$(run_probe save-locked "${win_dir}a.txt" '1|2|3|4'); then e2e_fail "locked save passed"; fi
expect_lines "$out" "error=E/A-Fehler 32"
if out=$(run_probe save "${win_dir}nowhere\\a.txt" '1|2|3|4'); then e2e_fail "save passed"; fi
expect_lines "$out" $'error=Ung\xFCltiger Dateiname'
if out=$(run_probe save "$win_dir" '1|2|3|4'); then e2e_fail "save onto a directory passed"; fi
expect_lines "$out" "error=Dateizugriff verweigert"
[[ $(od -An -c "$work/a.txt") == "$before" ]] || e2e_fail "a failed save changed a.txt"
[[ $(ls -A "$work") == "$listing" ]] || e2e_fail "files left behind: $(ls -A "$work")"

# A save that succeeds replaces the content.
run_probe save "${win_dir}a.txt" '1|2|3|4' >/dev/null
[[ $(cat "$work/a.txt") == $'        1;   2;    3; "4"\r' ]] || e2e_fail "replaced: $(od -c "$work/a.txt")"
[[ $(ls -A "$work") == "$listing" ]] || e2e_fail "files left behind: $(ls -A "$work")"
# A list loaded only in part: a save to another file makes no backup; the
# first save over its own file, spelled in other letter case, keeps it whole
# as .bak; the next save leaves that backup alone.
broken=$'     6070;  12;   AM; "A"\r\n\r\n    14100;  12;   CW; "B"\r\n'
printf '%s' "$broken" >"$work/part.txt"
run_probe load-save "${win_dir}part.txt" "${win_dir}other.txt" >/dev/null
[[ ! -e $work/other.txt.bak && ! -e $work/part.txt.bak ]] || e2e_fail "a backup of another file"
run_probe load-save "${win_dir}part.txt" "${win_dir}PART.TXT" >/dev/null
[[ $(od -An -c "$work/part.txt.bak") == "$(printf '%s' "$broken" | od -An -c)" ]] ||
  e2e_fail "the backup differs: $(od -c "$work/part.txt.bak" 2>&1)"
[[ $(cat "$work/part.txt") == $'     6070;  12;   AM; "A"\r' ]] || e2e_fail "saved: $(od -c "$work/part.txt")"
echo "station list file: ok"
