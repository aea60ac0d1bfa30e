#!/usr/bin/env bash
# Time from starting the game to its main menu on screen under Xvfb, and the memory it then holds.
# Usage: scripts/measure-startup.sh [GAME_DIR] [RUNS]
set -eu
game_dir=${1:-build/game}
runs=${2:-5}
work=$(mktemp -d /tmp/keyslinger-startup-XXXXXX)
cp -r "$game_dir"/. "$work"/
rm -f "$work/Player.ini"
display=":$((300 + RANDOM % 300))"
Xvfb "$display" -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
# The menu is the visible 305 by 361 window.
menu_shows() {
  local id
  for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 305x361" && return 0
  done
  return 1
}
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  (cd "$work" && exec ./keyslinger >/dev/null 2>&1) &
  pid=$!
  until menu_shows; do sleep 0.005; done
  shown=$(date +%s%N)
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  printf 'run %d: menu on screen after %d ms, %d MiB resident\n' "$run" $(((shown - start) / 1000000)) $((rss / 1024))
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
