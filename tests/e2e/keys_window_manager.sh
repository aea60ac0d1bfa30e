#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keys under a window manager, which hands the keyboard from window to window a little later
# than the game asks for it: the key that lifts off Escape's pause lands on whichever window has
# the keyboard then. Five times: Escape pauses, Escape continues, and one x must count as a miss.
# Then a level started from the menu pauses at its first Escape, three times, and a key held
# down for a while shoots once. Progress.db must hold exactly the misses typed.
# budget: 60 s on two cores (each step waits on what the screen shows, never on a fixed time).
# Usage: keys_window_manager.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb,
# xdotool, ImageMagick, sqlite3 or openbox.
set -u
game_dir=$1
data_dir=$2
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool imagemagick sqlite3 openbox" Xvfb xdotool import compare sqlite3 openbox

e2e_session keys-wm "$@"
export LC_ALL=C.UTF-8
unset LANGUAGE
# The frames openbox puts round the borderless windows have their size but no title.
e2e_window_name=Keyslinger

e2e_journey_folder
# One wave of ten minutes: the level runs however long the script takes.
printf '[t]\ncommand=1\nparam1=bandit\nparam2=600000\n[w]\ncommand=2\nparam1=600000\nparam2=60000:0:1\n' \
  >"$work/Maps/Level1/Script.ini"
printf '[curplayer]\nname=tester\nsound=0\n[tester]\nlevels=1\ncurlevel=1\nup=Hard\nfirststart=1\n' >"$work/Player.ini"

e2e_start_xvfb 1280x1024x24
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
e2e_cleanup_wm() {
  kill "$wm_pid" 2>/dev/null
  e2e_cleanup
}
trap e2e_cleanup_wm EXIT
# The window manager owns its selection once it manages the screen.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

e2e_start_game
read -r menu _ _ < <(find_window 305 361 20) || fail "the main menu did not show"
wait_focus "$menu" 20 || fail "the main menu did not take the keyboard"

# start_level: Enter on the menu; sets game, gx, gy once the game screen has the keyboard.
start_level() {
  xdotool key Return
  read -r game gx gy < <(find_window 640 480 20) || fail "the game screen did not show"
  wait_focus "$game" 20 || fail "the game screen did not take the keyboard"
}

# pause_shows SECONDS: true once the pause screen shows.
pause_shows() { find_window 218 211 "$1" >/dev/null; }

# A miss counts when the counters in the game screen's corner change; the Miss line is drawn
# anew for every miss.
counters_shot() { region_shot $((gx + 566)) $((gy + 404)) 74 72 counters || fail "no screenshot"; }
counted() { wait_region_differs $((gx + 566)) $((gy + 404)) 74 72 counters "$1"; }

start_level
wait_for_change "$gx" "$gy" 640 400 30 || fail "no bandit came up"

# Escape's key-down and key-up reach the X server together, as a quick finger's do: the key-up
# lands where the keyboard is before the window manager has moved it.
lost=0
for cycle in 1 2 3 4 5; do
  xdotool keydown Escape keyup Escape
  pause_shows 20 || fail "cycle $cycle: Escape did not pause"
  xdotool keydown Escape keyup Escape
  wait_window_gone 218 211 20 || fail "cycle $cycle: Escape did not continue"
  wait_focus "$game" 20 || fail "cycle $cycle: the game did not take the keyboard back"
  counters_shot
  xdotool key x
  counted 8 || { echo "cycle $cycle: the x after the pause did not count"; lost=$((lost + 1)); }
done
((lost == 0)) || fail "$lost of 5 keys after a pause were swallowed"

# A key held down for a second and a half (the X server repeats it meanwhile) shoots once.
counters_shot
xdotool keydown x
counted 8 || fail "a held x did not shoot"
sleep 1.5
xdotool keyup x

# Back to the menu through the pause screen's MAIN MENU (the third button), then a new start:
# the first Escape pauses.
to_menu() {
  xdotool key Escape
  pause_shows 20 || fail "$1: Escape did not pause"
  xdotool key Right Right Right space
  wait_window_gone 640 480 20 || fail "$1: MAIN MENU did not leave the level"
  wait_focus "$menu" 20 || fail "$1: the main menu did not take the keyboard"
}
to_menu "after the held key"
for start in 1 2 3; do
  start_level
  xdotool key Escape
  pause_shows 10 || fail "start $start: the first Escape after the level started did not pause"
  xdotool key Right Right Right space
  wait_window_gone 640 480 20 || fail "start $start: MAIN MENU did not leave the level"
  wait_focus "$menu" 20 || fail "start $start: the main menu did not take the keyboard"
done

# Every level left by MAIN MENU is stored as a quit run with its shots.
db=$work/Progress.db
misses=""
for _ in $(seq 100); do
  misses=$(sqlite3 "$db" "SELECT count(*) FROM shots WHERE result = 'MISS' AND typed = 'x'" 2>/dev/null)
  runs=$(sqlite3 "$db" "SELECT count(*) FROM runs WHERE outcome = 'quit'" 2>/dev/null)
  [[ $runs == 4 ]] && break
  sleep 0.2
done
[[ $runs == 4 ]] || fail "$runs quit runs in Progress.db, not 4"
[[ $misses == 6 ]] || fail "$misses misses of x stored, not 6 (five after pauses, one held)"
others=$(sqlite3 "$db" "SELECT count(*) FROM shots WHERE typed <> 'x'")
[[ $others == 0 ]] || fail "$others shots of other keys stored (Escape or Enter shot)"
echo "keys under a window manager: 5 of 5 keys after a pause counted, a held key shot once, 3 of 3 first Escapes paused"
