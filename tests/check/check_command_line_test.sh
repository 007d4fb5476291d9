#!/usr/bin/env bash
# Runs orvik-stroke-check as a user would and checks its exit statuses and
# output; the JSON document is read with Python's JSON reader and must carry
# the same problems as the text output.
#
#   check_command_line_test.sh CHECKER SAMPLES_FOLDER            # on Linux
#   check_command_line_test.sh --wine CHECKER.exe SAMPLES_FOLDER  # the Windows build under wine
#
# Under wine the paths are given as Windows paths (drive letter, backslashes)
# and there are no devices or pipes to try.
set -uo pipefail

wine=()
if [ "${1:-}" = "--wine" ]; then
  wine=(wine)
  shift
fi
checker=$1
samples=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
passed=0

# The path as the checker is given it: a Windows path under wine.
arg() { if [ ${#wine[@]} -gt 0 ]; then winepath -w "$1" 2>/dev/null; else printf '%s' "$1"; fi; }
run() { timeout 60 "${wine[@]}" "$checker" "$@" 2>"$scratch/stderr" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
expect() {  # what, expected, actual
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

out=$(run "$(arg "$samples")"); status=$?
expect "every sample stroke is clean" "0 28 files, 28 clean, 0 problems" "$status $(tail -n 1 <<<"$out")"

# A folder with one fault in each file, a clean file and a name outside ASCII.
folder=$scratch/strokes
mkdir -p "$folder"
clean=$samples/a-Cc031.atr
cp "$clean" "$folder/a-Cc031.atr"
cp "$clean" "$folder/Schlag-ä.atr"
sed '19s/^ Power [^ ]*/ Power abc/' "$clean" >"$folder/number.atr"
sed '8s/0\.1/0,1/' "$clean" >"$folder/comma.ATR"
tr -d '\r' <"$clean" >"$folder/lf.atr"
cp "$clean" "$folder/ignored.txt"

out=$(run "$(arg "$folder")"); status=$?
expect "a mixed folder: counts" "1 5 files, 2 clean, 5 problems" "$status $(tail -n 1 <<<"$out")"
expect "a mixed folder: the line of the number" \
  "  $(arg "$folder/number.atr"): line 19: Power \"abc\" is not a number; Power of normal key frame 0 keeps 0" \
  "$(grep -F 'not a number' <<<"$out")"
expect "a name outside ASCII" "$(arg "$folder/Schlag-ä.atr"): ok, not one of the game's stroke files" \
  "$(grep -F 'Schlag' <<<"$out")"

out=$(run -q "$(arg "$folder")"); status=$?
expect "-q leaves out the clean files" "1 0" "$status $(grep -c ': ok' <<<"$out")"

out=$(run --diff "$(arg "$folder/lf.atr")"); status=$?
expect "--diff shows the line ends" "1 -StrokeAttr\\n +StrokeAttr\\r\\n" \
  "$status $(grep -F -x -e '-StrokeAttr\n' -e '+StrokeAttr\r\n' <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
out=$(run --diff "$(arg "$folder/a-Cc031.atr")"); status=$?
expect "--diff of a written file shows nothing" "0 2" "$status $(wc -l <<<"$out")"

# The JSON document: the same files, problems and counts as the text.
run "$(arg "$folder")" >"$scratch/text.txt"
run --json --diff "$(arg "$folder")" >"$scratch/out.json"; status=$?
expect "--json: exit status" "1" "$status"
if python3 -m json.tool "$scratch/out.json" >/dev/null; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
  echo "FAILED: --json is not a JSON document"
fi
same=$(python3 - "$scratch/out.json" "$scratch/text.txt" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1], encoding="utf-8"))
text = open(sys.argv[2], encoding="utf-8").read().splitlines()
lines = []
for f in doc["files"]:
    count = len(f["problems"])
    status = "ok" if f["ok"] else "%d problem%s" % (count, "" if count == 1 else "s")
    stroke = 'the game\'s "%s"' % f["stroke"] if f["stroke"] else "not one of the game's stroke files"
    lines.append("%s: %s, %s" % (f["name"], status, stroke))
    for p in f["problems"]:
        line = "line %d: " % p["line"] if p["line"] is not None else ""
        lines.append("  %s: %s%s" % (f["name"], line, p["message"]))
lines.append("%d files, %d clean, %d problems" % (doc["file_count"], doc["clean_count"], doc["problem_count"]))
print("same" if lines == text else "different:\n" + "\n".join(lines))
PY
)
expect "--json carries the same problems as the text" "same" "$same"

out=$(run "$(arg "$scratch/nothing.atr")"); status=$?
expect "a missing path" "2 0 files, 0 clean, 0 problems" "$status $out"
run --bogus "$(arg "$folder")" >/dev/null; status=$?
expect "an unknown option" "2" "$status"

if [ ${#wine[@]} -eq 0 ]; then
  # Never opened, never waited on.
  ln -s /dev/zero "$scratch/zero.atr"
  mkfifo "$scratch/pipe.atr"
  out=$(run "$scratch/zero.atr" "$scratch/pipe.atr"); status=$?
  expect "a link to a device and a pipe" "1 2" "$status $(grep -c 'not a regular file' <<<"$out")"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
