#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A run ended from outside the game keeps its rows: the real game under Xvfb plays a level that
# lasts ten minutes, takes a shot with Shift+f (a letter typed with Shift shoots as the letter
# does) and three misses, and is then ended by SIGTERM, by SIGHUP, or by its X server going away.
# Each time Progress.db must hold the run as quit, with the hit and the three misses. The three
# cases play on one X server, the one that goes away last.
# budget: 10 s on two cores
# Usage: quit_rows.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# setxkbmap, ImageMagick or sqlite3.
set -u
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool x11-xkb-utils imagemagick sqlite3" Xvfb xdotool setxkbmap import compare sqlite3

e2e_session quit "$@"
e2e_start_xvfb 1280x1024x24

# game_ends SECONDS: waits for the game to end, up to SECONDS.
game_ends() {
  local deadline=$((SECONDS + $1))
  while ((SECONDS <= deadline)); do
    kill -0 "$game_pid" 2>/dev/null || { wait "$game_pid" 2>/dev/null; game_pid=; return 0; }
    sleep 0.1
  done
  return 1
}

# play_then_end HOW: a fresh game folder, a level with a long wave, a hit and three misses, then
# the end: TERM or HUP (a signal to the game) or X (the X server killed, so it comes last).
play_then_end() {
  local how=$1 dir=$work/$1
  e2e_fresh_keymap
  e2e_journey_folder "$dir"
  # One wave of ten minutes: the level still runs whenever the script ends it.
  printf '[t]\r\ncommand=1\r\nparam1=bandit\r\nparam2=600000\r\n[w]\r\ncommand=2\r\nparam1=600000\r\nparam2=60000:0:1\r\n' \
    >"$dir/Maps/Level1/Script.ini"
  printf '[curplayer]\nname=tester\nsound=0\n[tester]\nlevels=1\ncurlevel=1\nup=Hard\nfirststart=1\n' >"$dir/Player.ini"

  e2e_start_game "$dir"
  await_window 305 361 "$how: the main menu"
  xdotool key Return
  await_window 640 480 "$how: the game screen"
  wait_for_change "$x" "$y" 640 400 30 || fail "$how: no bandit came up"
  # Each key shows on the counters (Point, Miss) in the corner before the next is sent, so the
  # game has taken them all when it is ended.
  local corner_x=$((x + 566)) corner_y=$((y + 404))
  region_shot "$corner_x" "$corner_y" 74 72 counters || fail "$how: no screenshot"
  xdotool key shift+f
  wait_region_differs "$corner_x" "$corner_y" 74 72 counters 30 || fail "$how: Shift+f did not shoot"
  for miss in 1 2 3; do
    region_shot "$corner_x" "$corner_y" 74 72 counters || fail "$how: no screenshot"
    xdotool key x
    wait_region_differs "$corner_x" "$corner_y" 74 72 counters 30 || fail "$how: miss $miss did not count"
  done

  case $how in
    TERM | HUP) kill -"$how" "$game_pid" ;;
    X)
      kill "$xvfb_pid"
      wait "$xvfb_pid" 2>/dev/null
      xvfb_pid=
      ;;
  esac
  game_ends 30 || fail "$how: the game did not end"

  local db=$dir/Progress.db run shots
  [[ -f $db ]] || fail "$how: no Progress.db"
  run=$(sqlite3 "$db" "SELECT count(*), group_concat(outcome) FROM runs")
  [[ $run == "1|quit" ]] || fail "$how: runs: '$run', not one quit run"
  shots=$(sqlite3 "$db" "SELECT group_concat(result || ':' || typed, ' ') FROM (SELECT result, typed FROM shots ORDER BY id)")
  [[ $shots == "POINT:F MISS:x MISS:x MISS:x" ]] || fail "$how: shots '$shots'"
  echo "$how: the run is stored as quit with its shots: $shots"
}

play_then_end TERM
play_then_end HUP
play_then_end X
echo "quit rows passed"
