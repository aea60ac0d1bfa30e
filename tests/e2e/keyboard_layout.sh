#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped curriculum on a German keyboard, in the real game under Xvfb: the X server's map is
# switched to de, a shipped level's tags show the characters of the German keys, exactly as if
# they were written into the level (a screenshot is kept, see below), and real key presses of the
# German characters shoot: the y key of the level is z there, and the result stored in
# Player.ini counts the hit.
# budget: 15 s on two cores
# Usage: keyboard_layout.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# setxkbmap or imagemagick. Set KEYSLINGER_SHOTS to a folder to keep the screenshot there.
set -u
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool x11-xkb-utils imagemagick" Xvfb xdotool setxkbmap xkbcomp import convert compare

e2e_session layout "$@"
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
  e2e_start_game "$dir"
  await_window 305 361 "the main menu"
  xdotool key Return                                   # START GAME
  await_window 640 480 "the game screen"
  game_x=$x game_y=$y
}

stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=
}

# 1. The shipped level 6's tags on the German map, with a script of one step that holds it (a
# command the clock does not know), so that no figure covers a tag or makes it blink: they must
# be pixel for pixel those of the same level with the German characters written in and no
# Layout, and differ from the US letters taken as written. Only the picture above the time and
# the counters is compared: the time runs. The shot is taken once the level is drawn: the
# picture is not one flat colour (the window before its first paint) and holds still.
quiet_script() {
  printf '[Step1]\r\ncommand=99\r\n' >"$work/$1/Maps/Level6/Script.ini"
}
tags_shot() {
  local drawn=0 spread
  start_game "$1"
  region_shot "$game_x" "$game_y" 640 400 "$1" || fail "no screenshot of $1"
  for _ in $(seq 150); do
    sleep 0.2
    region_shot "$game_x" "$game_y" 640 400 now || continue
    spread=$(convert "$work/now.png" -format '%[fx:standard_deviation]' info:) || fail "convert"
    if [[ $spread != 0 ]] && same_images "$work/$1.png" "$work/now.png"; then
      drawn=1
      break
    fi
    cp "$work/now.png" "$work/$1.png"
  done
  [[ $drawn == 1 ]] || fail "the level of $1 was not drawn, or did not hold still"
  stop_game
}
make_game shipped
grep -qx $'Layout=us\r' "$work/shipped/Maps/Level6/Map.ini" || fail "the shipped level does not declare Layout=us"
quiet_script shipped
tags_shot shipped
if [[ -n ${KEYSLINGER_SHOTS:-} ]]; then
  mkdir -p "$KEYSLINGER_SHOTS" && cp "$work/shipped.png" "$KEYSLINGER_SHOTS/level6-de.png"
fi
# What the checker says each letter becomes on de, written into the level as characters.
"$game_dir/keyslinger-check" --layout de --letters "$game_dir" 6 >"$work/letters" || fail "keyslinger-check --letters"
grep -q '\[Place1\] y -> z$' "$work/letters" || fail "the checker does not map Place1's y to z"
make_game written
sed -i '/^Layout=/d' "$work/written/Maps/Level6/Map.ini"
while read -r _ place from _ to; do
  place=${place#[}
  place=${place%]}
  sed -i "/^\[$place\]/,/^letter=/s/^letter=$from\r\$/letter=$to\r/" "$work/written/Maps/Level6/Map.ini"
done < <(grep -- '->' "$work/letters")
grep -qx $'letter=z\r' "$work/written/Maps/Level6/Map.ini" || fail "the German letters were not written in"
quiet_script written
tags_shot written
make_game as_written
sed -i '/^Layout=/d' "$work/as_written/Maps/Level6/Map.ini"
quiet_script as_written
tags_shot as_written
same_images "$work/shipped.png" "$work/written.png" ||
  fail "the tags on de differ from the German letters written in ($(compare -metric AE "$work/shipped.png" "$work/written.png" null: 2>&1) pixels)"
same_images "$work/shipped.png" "$work/as_written.png" && fail "the tags on de are those of the US letters"

# 2. The same level with every place on the US y key and a short script: on the German map the
# tags say Z and typing z shoots (where the letters are taken as written, z misses). The shot
# rustler keeps its place for a minute, so no other comes up: the level ends with its wave of
# three seconds, or once the rustler's life has run, had the shot come later.
make_game shots
ini=$work/shots/Maps/Level6/Map.ini
sed -i 's/^letter=.*\r$/letter=y\r/' "$ini"
printf '[Step1]\r\ncommand=1\r\nparam1=rustler\r\nparam2=20000\r\n[Step2]\r\ncommand=2\r\nparam1=3000\r\nparam2=60000:0:1\r\n' \
  >"$work/shots/Maps/Level6/Script.ini"
start_game shots
wait_for_change "$game_x" "$game_y" 640 400 30 || fail "no rustler came up"
xdotool key z                                          # the US y key's character there
read -r _ _ _ < <(find_window 315 325 60) || fail "the results screen did not show"
wait_for_file_line "$work/shots/Player.ini" '^6=' 20 || fail "no result stored for level 6"
record=$(tr -d '\r' <"$work/shots/Player.ini" | sed -n '/^\[Tester\]/,/^\[/s/^6=//p')
[[ -n $record ]] || fail "no result stored for level 6"
IFS=: read -r percent hits misses civilians <<<"$record"
[[ $hits -eq 1 && $misses -eq 0 ]] || fail "typing z did not shoot (result $record)"
[[ $percent -gt 0 ]] || fail "percent $percent"
echo "PASSED: level 6 on de: result $record"
