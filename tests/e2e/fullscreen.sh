#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game full screen on a 1920 by 1080 screen under Xvfb, without a window manager: F11 makes
# the game window cover the screen with the level scaled in a black border, Escape shows the
# pause screen centred over it at twice its size (the largest whole factor of 640 by 480 that
# fits), a real key press still shoots, and the results come up twice their size too, centred,
# and Tab and Space on them lead to the main menu; the choice is in Player.ini.
# budget: 25 s on two cores
# Usage: fullscreen.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool or
# ImageMagick.
set -u
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool imagemagick" Xvfb xdotool import convert compare

e2e_session fullscreen "$@"

e2e_journey_folder
printf '[curplayer]\nname=tester\nsound=0\n[tester]\nlevels=1\ncurlevel=1\nup=Hard\nfirststart=1\n' >"$work/Player.ini"

e2e_start_xvfb 1920x1080x24

e2e_start_game
# Waits up to $2 seconds for window $1 to have geometry "X Y WIDTH HEIGHT" $3.
wait_geometry() {
  local id=$1 limit=$2 want=$3
  local deadline=$((SECONDS + limit))
  while ((SECONDS <= deadline)); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
    [[ "$X $Y $WIDTH $HEIGHT" == "$want" ]] && return 0
    sleep 0.1
  done
  return 1
}
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}'; }

await_window 305 361 "the main menu"
xdotool key Return
await_window 640 480 "the game screen"
game=$window
xdotool key F11
wait_geometry "$game" 30 "0 0 1920 1080" || fail "F11 did not make the game cover the screen"
# The world's picture above the time, 2.25 times its size in the middle of the screen. The level's
# clock stands while the pause screen shows: what the screen shows is looked at then.
wait_for_change 240 0 1440 900 30 || fail "no bandit came up"
xdotool key Escape
await_window 436 422 "the pause screen at twice its size"
[[ "$x $y" == "742 329" ]] || fail "the pause screen is at $x,$y, not centred"
import -window root "$work/full.png"
# The world is 2.25 times its size, 1440 wide, in black borders of 240 on each side; the points
# looked at lie outside the pause screen.
[[ $(pixel "$work/full.png" 100 540) == "#000000" ]] || fail "no black border on the left"
[[ $(pixel "$work/full.png" 1820 540) == "#000000" ]] || fail "no black border on the right"
[[ $(pixel "$work/full.png" 960 300) != "#000000" ]] || fail "the level is not drawn in the middle"
wait_for_file_line "$work/Player.ini" '^fullscreen=1$' 20 || fail "the full-screen choice was not stored"
xdotool key Escape                                     # the pause screen's way back: CONTINUE
wait_focus "$game" 20 || fail "the game screen did not take the keyboard back"
# The bandit lives ten minutes: f shoots it long before it acts. The level's corner with the
# counters is 2.25 times its size too.
press_counted f 1513 909 166 162 || fail "f was not counted"
read -r score x y < <(find_window 630 650 60) || fail "the results screen did not show at twice its size"
[[ "$x $y" == "645 215" ]] || fail "the results screen is at $x,$y, not centred"
wait_for_file_line "$work/Player.ini" '^1=' 20 || fail "no result stored for level 1"
result=$(grep -E '^1=' "$work/Player.ini" | cut -d= -f2)
IFS=: read -r _ hits _ _ <<<"$result"
[[ $hits == 1 ]] || fail "the shot did not hit: stored result '$result'"
wait_focus "$score" 20 || fail "the enlarged results screen did not take the keyboard"
import -window root "$work/results.png"
# Drawn pixel for pixel: the title board's picture repeats each pixel in 2 by 2 blocks.
[[ $(pixel "$work/results.png" 655 225) == $(pixel "$work/results.png" 656 226) ]] ||
  fail "the results screen is not drawn at a whole factor"
# Tab reaches the screen's highlight through the enlarging window: the third stop is MAIN MENU.
xdotool key Tab Tab Tab space
find_window 305 361 20 >/dev/null || fail "Tab and Space on the enlarged results did not lead to the main menu"
wait_window_gone 630 650 20 || fail "the enlarged results screen stayed after MAIN MENU"
echo "full screen passed: result $result"
