#!/usr/bin/env bash
# The Windows editor as a user gets it: unpacked from the zip, started in a
# fresh wine prefix on a virtual X display with a stroke named on its command
# line. A Power is typed, Ctrl+S saves, and the file must then hold exactly
# the bytes the Linux editor writes for the same edit. A screenshot of each
# editor, just before its "Saved!" message is closed, goes to OUT.
#
#   tests/windows/zip_editor_test.sh ZIP LINUX_EDITOR STROKE_FILE OUT
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 ZIP LINUX_EDITOR STROKE_FILE OUT" >&2; exit 2; }
zip=$(realpath "$1") linux_editor=$(realpath "$2") stroke=$(realpath "$3")
mkdir -p "$4"
out=$(realpath "$4")
name=$(basename "$stroke")

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "zip_editor_test: $*" >&2; exit 1; }

# Real windows on the display below, whatever platform the other tests use.
unset QT_QPA_PLATFORM

# A display of its own.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$number"
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

(cd "$work" && cmake -E tar xf "$zip")
windows_editor=$(find "$work" -name orvik-stroke-editor.exe | head -n 1)
[ -n "$windows_editor" ] || fail "no orvik-stroke-editor.exe in $zip"
# The user guide the Help button names lies beside it, with Windows' line ends.
guide=$(dirname "$windows_editor")/Help.txt
cmp -s <(sed 's/$/\r/' "$(dirname "$(realpath "$0")")/../../docs/Help.txt") "$guide" ||
  fail "no Help.txt with Windows' line ends beside orvik-stroke-editor.exe in $zip"

# No .NET or HTML engine is offered for download into the fresh prefix.
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i > /dev/null 2>&1

# Waits up to 60 s for a shown window whose name matches the pattern.
window_named() {
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Runs one editor on its own copy of the stroke: clicks into the Power box
# (twips 5760, 5100, 1155 x 315: its middle is pixel 422, 350 at 96 dots an
# inch), types 77, Tab commits it, Ctrl+S saves.
edit_with() {
  local label=$1
  shift
  "$@" > "$work/$label.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local window
  window=$(window_named "^Orvik Stroke Editor \(") || fail "$label: the editor showed no window with the stroke"
  sleep 1
  xdotool mousemove --window "$window" 422 350 click 1
  sleep 0.3
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 50 77
  xdotool key Tab
  sleep 0.3
  xdotool key --clearmodifiers ctrl+s
  window_named "^Saved!$" > /dev/null || fail "$label: no \"Saved!\" message after Ctrl+S"
  sleep 0.5
  import -window root "$out/$label.png"
  # The typed 77 must show in the Power box: text in boxes is drawn.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local ink
  ink=$(convert "$out/$label.png" -crop "56x12+$((X + 388))+$((Y + 345))" -colorspace Gray -threshold 50% -negate \
    -format '%[fx:mean]' info:)
  awk -v ink="$ink" 'BEGIN { exit !(ink > 0.01) }' || fail "$label: the Power box shows no text (ink $ink)"
  xdotool key Return
  sleep 0.5
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
}

mkdir "$work/linux" "$work/windows"
cp "$stroke" "$work/linux/$name"
cp "$stroke" "$work/windows/$name"

edit_with linux "$linux_editor" "$work/linux/$name"
edit_with windows wine "$windows_editor" "$(winepath -w "$work/windows/$name")"

cmp -s "$stroke" "$work/linux/$name" && fail "the Linux editor left the file unchanged"
cmp "$work/linux/$name" "$work/windows/$name" || fail "the Windows editor wrote other bytes than the Linux editor"
cp "$work/windows/$name" "$out/$name"
echo "zip_editor_test: the Windows editor saved $name as the Linux editor does ($(wc -c < "$out/$name") bytes);" \
  "screenshots in $out"
