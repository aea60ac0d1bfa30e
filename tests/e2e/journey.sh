#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A player's first journey through the real game under Xvfb: Enter on the menu, HARD, a shot at
# a bandit with a real key press, the results screen, CONTINUE; then Player.ini and Progress.db
# are checked. The test levels' bandit lives ten minutes in a wave of 12 seconds: a shot at any
# time in the wave scores well above the 60 percent of a pass, and the level ends with the wave.
# A bandit still standing when the wave ends would hold the level for its whole life, so the
# script shoots first and looks at the titles after: the shot comes some 5 seconds into the
# level on a machine with ten processes waiting for each core.
# budget: 20 s on two cores
# Usage: journey.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# ImageMagick or sqlite3.
set -u
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool x11-utils imagemagick sqlite3" Xvfb xdotool xprop import compare sqlite3

e2e_session journey "$@"

e2e_journey_folder

e2e_start_xvfb 1280x1024x24

e2e_start_game

# Both the old and the new title property carry the application title, and a search by name finds it.
check_title() {
  local id=$1 what=$2 props
  props=$(xprop -id "$id" WM_NAME _NET_WM_NAME 2>&1)
  grep -qx 'WM_NAME(\(STRING\|UTF8_STRING\|COMPOUND_TEXT\)) = "Keyslinger v.1.0"' <<<"$props" || fail "$what WM_NAME: $props"
  grep -qx '_NET_WM_NAME(UTF8_STRING) = "Keyslinger v.1.0"' <<<"$props" || fail "$what _NET_WM_NAME: $props"
  xdotool search --name '^Keyslinger v\.1\.0$' 2>/dev/null | grep -qx "$id" || fail "$what not found by name"
}

await_window 305 361 "the main menu"
[[ $(xdotool getwindowname "$window") == "Keyslinger v.1.0" ]] || fail "menu title is '$(xdotool getwindowname "$window")'"
check_title "$window" "the main menu"
xdotool key Return
await_window 289 154 "the difficulty choice"
check_title "$window" "the difficulty choice"
xdotool mousemove $((x + 240)) $((y + 132)) click 1    # HARD
# The level's clock runs from here: the shot comes before anything else, the titles after it.
await_window 640 480 "the game screen"
wait_for_change "$x" "$y" 640 400 30 || fail "no bandit came up"
xdotool key f
check_title "$window" "the game screen"
await_window 315 325 "the results screen" 60
check_title "$window" "the results screen"
xdotool key Return                                     # CONTINUE after a pass

ini=$work/Player.ini
wait_for_file_line "$ini" '^curlevel=2$' 20 || fail "curlevel not advanced"
grep -qx "up=Hard" "$ini" || fail "difficulty not stored"
grep -qx "curlevel=2" "$ini" || fail "curlevel not advanced"
grep -qx "levels=2" "$ini" || fail "levels not raised"
result=$(grep -E '^1=' "$ini" | cut -d= -f2)
IFS=: read -r percent hits misses civilians <<<"$result"
[[ -n $percent && $percent -ge 60 && $hits == 1 && $civilians == 0 ]] || fail "stored result '$result'"

# The run and its shots in Progress.db, beside Player.ini, with the stored result's numbers.
db=$work/Progress.db
[[ -f $db ]] || fail "Progress.db was not written"
run=$(sqlite3 "$db" "SELECT level, difficulty, outcome, percent, hits, misses, civilians, passed FROM runs WHERE level = 1")
[[ $run == "1|Hard|finished|$percent|$hits|$misses|$civilians|1" ]] || fail "runs row '$run' for result '$result'"
shots=$(sqlite3 "$db" "SELECT count(*) FROM shots s JOIN runs r ON r.id = s.run_id WHERE r.level = 1 AND s.result = 'POINT' AND s.typed = 'f' AND s.letter = 'f' AND s.reaction_ms > 0")
[[ $shots == "$hits" ]] || fail "$shots hit rows in shots for $hits hits"
counted=$(sqlite3 "$db" "SELECT count(*) FROM shots s JOIN runs r ON r.id = s.run_id WHERE r.level = 1 AND s.result = 'MISS' AND s.end_phase = 0")
[[ $counted == "$misses" ]] || fail "$counted miss rows in shots for $misses misses"
echo "journey passed: result $result ($percent percent, $misses misses)"
