#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a window manager nobody hands the keyboard on when a window goes: the game must. With
# the pointer away from every window, Help (F1), ABOUT, PROGRESS and CHANGE PROFILE are each
# opened and closed by key; after each the main menu must have the keyboard again and move its
# highlight with an arrow key, and at the end Enter must start the game.
# budget: 40 s on two cores (one X server; each step waits on a window or the focus).
# Usage: focus_return.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool or
# ImageMagick.
set -u
game_dir=$1
data_dir=$2
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool imagemagick" Xvfb xdotool import compare

e2e_session focus "$@"
# English screens: the windows are known by their sizes.
export LC_ALL=C.UTF-8
unset LANGUAGE

e2e_journey_folder
printf '[curplayer]\nname=tester\nsound=0\n[tester]\nlevels=1\ncurlevel=1\nup=Hard\nfirststart=1\n' >"$work/Player.ini"

e2e_start_xvfb 1280x1024x24
# Keys go where the X server's focus is; with the focus on the root window they would go to the
# window under the pointer, which must therefore be over none of the game's.
xdotool mousemove 0 0
e2e_start_game
read -r menu mx my < <(find_window 305 361 20) || fail "the main menu did not show"
wait_focus "$menu" 20 || fail "the main menu did not take the keyboard"

# open_close WHAT WIDTH HEIGHT KEYS...: the keys open a window of that size, Escape closes it.
open_close() {
  local what=$1 width=$2 height=$3
  shift 3
  xdotool key "$@"
  read -r _ _ _ < <(find_window "$width" "$height" 20) || fail "$what did not open"
  xdotool key Escape
  wait_window_gone "$width" "$height" 20 || fail "$what did not close on Escape"
}

# arrow_moves AFTER KEY: the menu has the keyboard back and KEY moves its highlight.
arrow_moves() {
  wait_focus "$menu" 10 || fail "after $1 the main menu did not get the keyboard back"
  region_shot "$mx" "$my" 305 361 menu || fail "no screenshot"
  xdotool key "$2"
  wait_region_differs "$mx" "$my" 305 361 menu 10 || fail "after $1 $2 did not move the menu's highlight"
}

# The highlight's stops: START GAME, CHANGE PROFILE, SOUND, ABOUT, PROGRESS, EXIT, the links.
open_close "Help" 382 316 F1
arrow_moves "Help" Down                          # START GAME lit
open_close "ABOUT" 234 269 Down Down Down space
arrow_moves "ABOUT" Down                         # PROGRESS lit
open_close "PROGRESS" 640 480 space
arrow_moves "PROGRESS" Up                        # ABOUT lit
open_close "CHANGE PROFILE" 273 236 Up Up space
arrow_moves "CHANGE PROFILE" Down                # SOUND lit
xdotool key Return
read -r game _ _ < <(find_window 640 480 20) || fail "after CHANGE PROFILE Enter did not start the game"
wait_focus "$game" 20 || fail "the game screen did not take the keyboard"
echo "focus return: Help, ABOUT, PROGRESS and CHANGE PROFILE each gave the keyboard back to the menu"
