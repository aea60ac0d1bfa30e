#!/usr/bin/env bash
# The shipped curriculum on a German keyboard, in the real game under Xvfb: the X server's map is
# switched to de, a shipped level's tags show the characters of the German keys (a screenshot is
# kept, see below), and real key presses of the German characters shoot: the y key of the level
# is z there, and the result stored in Player.ini counts the hit and the miss.
# Usage: keyboard_layout.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# setxkbmap or imagemagick. Set KEYSLINGER_SHOTS to a folder to keep the screenshot there.
set -u
game_dir=$1
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool x11-xkb-utils imagemagick" Xvfb xdotool setxkbmap xkbcomp import

e2e_session layout
fail() {
  echo "FAILED: $*"
  for f in "$work"/*/Player.ini "$work"/*/game.log; do [[ -f $f ]] && { echo "--- $f"; cat "$f"; }; done
  exit 1
}

# The session's server does not reset when setxkbmap leaves, so the German map stays.
e2e_start_xvfb 1280x1024x24 -r
setxkbmap -layout de || fail "setxkbmap -layout de failed"
xkbcomp -w0 "$display" - 2>/dev/null | grep -A2 'key <AC10>' | grep -q odiaeresis ||
  fail "the X server kept its US map after setxkbmap -layout de"

# A game folder with the shipped actors and sounds, Maps as given, and a profile at level 6
# (it brings the t and y keys) that has chosen its difficulty.
make_game() {
  local dir=$work/$1
  mkdir -p "$dir"
  cp "$game_dir/keyslinger" "$dir/"
  cp -r "$game_dir/Objects" "$game_dir/sounds" "$dir/"
  mkdir -p "$dir/Maps"
  cp -r "$game_dir/Maps/Level6" "$dir/Maps/"
  printf '[curplayer]\nname=Tester\nsound=0\n[Tester]\nlevels=6\ncurlevel=6\nup=Normal\nfirststart=1\n' >"$dir/Player.ini"
}

start_game() {
  local dir=$work/$1
  (cd "$dir" && exec ./keyslinger >"$dir/game.log" 2>&1) &
  game_pid=$!
  read -r _ _ _ < <(find_window 305 361 20) || fail "the main menu did not show"
  sleep 0.5                                            # a loaded machine maps before it listens
  xdotool key Return                                   # START GAME
  read -r game_window game_x game_y < <(find_window 640 480 10) || fail "the game screen did not show"
}

stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=
}

# 1. The shipped level 6 as it is: its tags, seen on the German map.
make_game shipped
grep -qx $'Layout=us\r' "$work/shipped/Maps/Level6/Map.ini" || fail "the shipped level does not declare Layout=us"
start_game shipped
sleep 1
import -window root "$work/shipped.png" || fail "no screenshot"
if [[ -n ${KEYSLINGER_SHOTS:-} ]]; then
  mkdir -p "$KEYSLINGER_SHOTS" && cp "$work/shipped.png" "$KEYSLINGER_SHOTS/level6-de.png"
fi
stop_game

# 2. The same level with every place on the US y key and a short script: on the German map the
# tags say Z and typing z shoots (where the letters are taken as written, z misses).
make_game shots
ini=$work/shots/Maps/Level6/Map.ini
sed -i 's/^letter=.*\r$/letter=y\r/' "$ini"
printf '[Step1]\r\ncommand=1\r\nparam1=rustler\r\nparam2=20000\r\n[Step2]\r\ncommand=2\r\nparam1=3000\r\nparam2=0:0:1\r\n' \
  >"$work/shots/Maps/Level6/Script.ini"
start_game shots
sleep 1.5                                              # the first rustler has come up
xdotool key z                                          # the US y key's character there
read -r _ _ _ < <(find_window 315 325 30) || fail "the results screen did not show"
sleep 0.5
record=$(tr -d '\r' <"$work/shots/Player.ini" | sed -n '/^\[Tester\]/,/^\[/s/^6=//p')
[[ -n $record ]] || fail "no result stored for level 6"
IFS=: read -r percent hits misses civilians <<<"$record"
[[ $hits -eq 1 && $misses -eq 0 ]] || fail "typing z did not shoot (result $record)"
[[ $percent -gt 0 ]] || fail "percent $percent"
echo "PASSED: level 6 on de: result $record"
