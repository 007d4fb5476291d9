#!/usr/bin/env bash
# Runs orvik-stroke-check as a user would and checks its options, exit
# statuses and output; the JSON document is read with Python's JSON reader and
# must carry the same problems as the text output.
#
#   check_command_line_test.sh CHECKER SAMPLES_FOLDER            # on Linux
#   check_command_line_test.sh --wine CHECKER.exe SAMPLES_FOLDER  # the Windows build under wine
#
# Under wine the paths are given as Windows paths (drive letter, backslashes)
# and there are no devices, pipes, links or permissions to try.
set -uo pipefail

wine=()
if [ "${1:-}" = "--wine" ]; then
  wine=(wine)
  shift
fi
checker=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
samples=$2
scratch=$(mktemp -d)
trap 'chmod -R u+rwx "$scratch"; rm -rf "$scratch"' EXIT
failed=0
passed=0

# The path as the checker is given it: a Windows path under wine.
arg() { if [ ${#wine[@]} -gt 0 ]; then winepath -w "$1" 2>/dev/null; else printf '%s' "$1"; fi; }
run() { timeout 60 "${wine[@]}" "$checker" "$@" 2>"$scratch/stderr" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
errors() { tr -d '\r' <"$scratch/stderr"; }
expect() {  # what, expected, actual
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

out=$(run "$(arg "$samples")"); status=$?
expect "every sample stroke is clean" "0 28 files, 28 clean, 0 problems" "$status $out"

# A folder with one fault in each file, a clean file and a name outside ASCII.
folder=$scratch/strokes
mkdir -p "$folder"
clean=$samples/a-Cc031.atr
cp "$clean" "$folder/a-Cc031.atr"
cp "$clean" "$folder/Schlag-ä.atr"
sed '19s/^ Power [^ ]*/ Power abc/' "$clean" >"$folder/number.atr"
sed '8s/0\.1/0,1/' "$clean" >"$folder/comma.ATR"  # a comma split: its five key frames read as zeros
tr -d '\r' <"$clean" >"$folder/lf.atr"
cp "$clean" "$folder/ignored.txt"

out=$(run "$(arg "$folder")"); status=$?
expect "a mixed folder: counts" "1 5 files, 2 clean, 10 problems" "$status $(tail -n 1 <<<"$out")"
expect "a mixed folder: PATH:LINE: CODE: message" \
  "$(arg "$folder/number.atr"):19: not-a-number: Power \"abc\" is not a number; Power of normal key frame 0 keeps 0" \
  "$(grep -F 'not a number' <<<"$out")"
expect "a mixed folder: clean files are not named" "0" "$(grep -c -e 'Schlag' -e ': ok' <<<"$out")"
out=$(run -v "$(arg "$folder")"); status=$?
expect "-v: a name outside ASCII" "$(arg "$folder/Schlag-ä.atr"): ok, not one of the game's stroke files" \
  "$(grep -F 'Schlag' <<<"$out")"
expect "--verbose: the same as -v" "$out" "$(run --verbose "$(arg "$folder")")"

out=$(run -q "$(arg "$folder")"); status=$?
expect "-q prints nothing" "1 " "$status $out"
out=$(run --quiet "$(arg "$folder/a-Cc031.atr")"); status=$?
expect "--quiet on a clean file" "0 " "$status $out"
out=$(run -l "$(arg "$folder")" "$(arg "$folder/lf.atr")"); status=$?
expect "-l lists each file with a problem once" \
  "1 $(arg "$folder/comma.ATR") $(arg "$folder/lf.atr") $(arg "$folder/number.atr")" "$status $(sort -u <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
expect "-l: one line per file" "3" "$(wc -l <<<"$out")"
expect "--files-with-problems: the same as -l" "$out" \
  "$(run --files-with-problems "$(arg "$folder")" "$(arg "$folder/lf.atr")")"

out=$(run --version); status=$?
expect "--version" "0 1" "$status $(grep -c -E '^orvik-stroke-check [0-9]+\.[0-9]+\.[0-9]+$' <<<"$out")"
out=$(run --help "$(arg "$folder")"); status=$?
expect "--help with a path prints the usage only" "0 usage: orvik-stroke-check [-q | -l] [-v] [--json] [--diff] [--] PATH..." \
  "$status $(head -n 1 <<<"$out")"
out=$(run -h); status=$?
expect "-h" "0 1" "$status $(grep -c '^usage:' <<<"$out")"
out=$(run --bogus "$(arg "$folder")"); status=$?
expect "an unknown option" "2 orvik-stroke-check: The following argument was not expected: --bogus" \
  "$status $(errors | head -n 1)"
# Wine hands a program its arguments as UTF-16, where a byte that is not
# UTF-8 (\x9b) has no place: under wine the escape sequence alone is tried.
odd=$'--bo\x1b[2Jgus\x9b' shown='--bo\x1B[2Jgus\x9B'
[ ${#wine[@]} -gt 0 ] && odd=$'--bo\x1b[2Jgus' shown='--bo\x1B[2Jgus'
out=$(run "$odd" "$(arg "$folder")"); status=$?
expect "an unknown option is escaped" \
  "2 orvik-stroke-check: The following argument was not expected: $shown" "$status $(errors | head -n 1)"
out=$(run); status=$?
expect "no path" "2 orvik-stroke-check: no stroke file or folder given" "$status $(errors | head -n 1)"

# "--" ends the options; "-" is the file of that name.
cp "$clean" "$folder/-"
cp "$clean" "$folder/-q.atr"
out=$(cd "$folder" && run -- - -q.atr); status=$?
expect "-- and -" "0 2 files, 2 clean, 0 problems" "$status $out"
out=$(cd "$folder" && run -); status=$?
expect "- alone" "0 1 file, 1 clean, 0 problems" "$status $out"
rm "$folder/-" "$folder/-q.atr"

out=$(run --diff "$(arg "$folder/lf.atr")"); status=$?
expect "--diff shows the line ends" "1 -StrokeAttr\\n +StrokeAttr\\r\\n" \
  "$status $(grep -F -x -e '-StrokeAttr\n' -e '+StrokeAttr\r\n' <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
expect "--diff: the line ends' reason" \
  "$(arg "$folder/lf.atr"):1: save-changes: a save would change this file: its LF line ends become CR LF" \
  "$(head -n 1 <<<"$out")"
out=$(run --diff "$(arg "$folder/a-Cc031.atr")"); status=$?
expect "--diff of a written file shows nothing" "0 1 file, 1 clean, 0 problems" "$status $out"

# The JSON document: the same files, problems and counts as the text.
run -v "$(arg "$folder")" >"$scratch/text.txt"
run --json --diff "$(arg "$folder")" >"$scratch/out.json"; status=$?
expect "--json: exit status" "1" "$status"
same=$(python3 - "$scratch/out.json" "$scratch/text.txt" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1], encoding="ascii"))
text = open(sys.argv[2], encoding="utf-8").read().splitlines()
lines = []
for f in doc["files"]:
    count = len(f["problems"])
    status = "ok" if f["ok"] else "%d problem%s" % (count, "" if count == 1 else "s")
    stroke = 'the game\'s "%s"' % f["stroke"] if f["stroke"] else "not one of the game's stroke files"
    lines.append("%s: %s, %s" % (f["name"], status, stroke))
    for p in f["problems"]:
        line = "%d:" % p["line"] if p["line"] is not None else ""
        lines.append("%s:%s %s: %s" % (f["name"], line, p["code"], p["message"]))
        assert p["severity"] in ("error", "warning")
lines.append("%d files, %d clean, %d problems" % (doc["file_count"], doc["clean_count"], doc["problem_count"]))
print("same" if lines == text else "different:\n" + "\n".join(lines))
PY
)
expect "--json carries the same problems as the text" "same" "$same"

out=$(run "$(arg "$scratch/nothing.atr")"); status=$?
expect "a missing path" "2 0 files, 0 clean, 0 problems" "$status $out"
expect "a missing path: why, on standard error" \
  "orvik-stroke-check: $(arg "$scratch/nothing.atr"): not-found: no such file or folder" "$(errors)"
run --json "$(arg "$scratch/nothing.atr")" >"$scratch/missing.json"; status=$?
expect "a missing path in the JSON document" "2 not-found" \
  "$status $(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["errors"][0]["code"])' "$scratch/missing.json")"

if [ ${#wine[@]} -eq 0 ]; then
  # Output that cannot be written is a failure, whatever the files hold.
  timeout 60 "$checker" "$samples" >/dev/full 2>/dev/null; status=$?
  expect "output to a full disk" "2" "$status"
  timeout 60 "$checker" -q "$samples" >/dev/full 2>/dev/null; status=$?
  expect "-q writes nothing, so a full disk does not matter" "0" "$status"

  # Never opened, never waited on.
  ln -s /dev/zero "$scratch/zero.atr"
  mkfifo "$scratch/pipe.atr"
  out=$(run "$scratch/zero.atr" "$scratch/pipe.atr"); status=$?
  expect "a link to a device and a pipe" "1 2" "$status $(grep -c 'not-a-regular-file' <<<"$out")"

  # Files and links that cannot be read: exit status 2, with why.
  ln -s "$scratch/none" "$scratch/dangling.atr"
  ln -s "$scratch/loop.atr" "$scratch/loop.atr"
  out=$(run "$scratch/dangling.atr" "$scratch/loop.atr"); status=$?
  expect "a dangling link and a link loop" "2 dangling-link link-loop" \
    "$status $(errors | cut -d: -f3 | tr -d ' ' | tr '\n' ' ' | sed 's/ $//')"

  # Permissions hold for any user but root: as root, the checker runs as nobody.
  as_user=()
  if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  if [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; then
    locked=$scratch/locked
    mkdir -p "$locked/shut"
    cp "$clean" "$locked/secret.atr"
    cp "$clean" "$locked/shut/inside.atr"
    chmod 755 "$scratch"
    chmod 000 "$locked/secret.atr"
    chmod 600 "$locked/shut"
    out=$(timeout 60 "${as_user[@]}" "$checker" "$locked/secret.atr" "$locked/shut/inside.atr" 2>&1 >/dev/null); status=$?
    expect "an unreadable file and a file in a folder that may not be searched" \
      "2 orvik-stroke-check: $locked/secret.atr: permission-denied: permission denied
orvik-stroke-check: $locked/shut/inside.atr: permission-denied: permission denied" "$status $out"
    chmod -R u+rwx "$locked"
  fi

  # A name and a content holding a terminal's escape sequences, BEL, U+009B,
  # a line break and bytes that are not UTF-8: nothing raw reaches the
  # output, on either stream, in any form.
  odd=$scratch/odd
  mkdir -p "$odd"
  printf 'StrokeAttr\n\nType \033]0;owned\007\033[2J\302\233\351\n' >"$odd/$(printf 't\033]0;x\007\n+++ y\302\233\351.atr')"
  ln -s "$odd/none" "$odd/$(printf 'd\033[2J\n.atr')"
  raw=$(for options in "-v" "--diff" "-l" "--json --diff" "--json -l"; do
    # shellcheck disable=SC2086
    timeout 60 "$checker" $options "$odd" 2>&1
  done | python3 -c '
import re, sys
data = sys.stdin.buffer.read()
bad = re.findall(rb"[\x00-\x09\x0b-\x1f\x7f]|\xc2[\x80-\x9f]|\xef\xbb\xbf", data)
try:
    data.decode("utf-8")
    print(len(bad))
except UnicodeDecodeError:
    print("not UTF-8")')
  expect "nothing raw in text, diff, list, JSON and errors" "0" "$raw"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
