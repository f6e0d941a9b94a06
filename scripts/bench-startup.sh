#!/usr/bin/env bash
# Prints the time from process start to the main window on screen, and the resident memory a few
# seconds after start, for `corvex --demo` on the desktop backend under a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/default/corvex
[ -x "$program" ] || { echo "build first: cmake --build --preset default" >&2; exit 1; }
command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
  { echo "needs Xvfb and xdotool" >&2; exit 1; }
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
data=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$data"' EXIT
sleep 1
for run in first later; do
  start=$(date +%s%N)
  DISPLAY=$display XDG_DATA_HOME=$data "$program" --demo >/dev/null 2>&1 &
  pid=$!
  DISPLAY=$display xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
  shown=$(date +%s%N)
  sleep 3
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$run start: window shown after $(( (shown - start) / 1000000 )) ms, resident ${rss} KiB"
done
