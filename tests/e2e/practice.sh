#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Practice in the real game under Xvfb: PROGRESS, Enter, the card, Enter, real key presses shoot
# in the drill, the drill runs out into its results, and the run lands in Progress.db as a
# practice run (level 0) with the key set stored beside it, while Player.ini stays byte for
# byte as it was. The game folder's only level is the shipped Level1 cut to its first place
# (the f key), so every figure comes up where f shoots.
# budget: 100 s on two cores (the drill itself runs some 90 s)
# Usage: practice.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# ImageMagick or sqlite3. Set KEYSLINGER_SHOTS to a folder to keep the card and the results.
set -u
source "$(dirname "$0")/lib/session.sh"
source "$(dirname "$0")/lib/practice.sh"
e2e_require "xvfb xdotool imagemagick sqlite3" Xvfb xdotool import compare sqlite3

e2e_session practice "$@"
cp "$game_dir/keyslinger" "$work/"
cp -r "$game_dir/Objects" "$game_dir/sounds" "$work/"
mkdir -p "$work/Maps/Level1"
cp "$game_dir/Maps/Level1/"* "$work/Maps/Level1/"
map=$(ls "$work/Maps/Level1/" | grep -i '^map\.ini$') || fail "the shipped Level1 has no Map.ini"
awk 'tolower($0) ~ /^\[place2\]/ { exit } { print }' "$game_dir/Maps/Level1/$map" >"$work/Maps/Level1/$map"
grep -qi $'^letter=f\r\\?$' "$work/Maps/Level1/$map" || fail "the shipped Level1's first place is not f"
printf '[curplayer]\r\nname=Tester\r\nsound=0\r\n[Tester]\r\nlevels=3\r\ncurlevel=3\r\nup=Normal\r\nfirststart=1\r\nfullscreen=0\r\n' \
  >"$work/Player.ini"
cp "$work/Player.ini" "$work/Player.ini.before"

e2e_start_xvfb 1280x1024x24
e2e_start_game

e2e_open_progress
e2e_open_card
[[ $(xdotool getwindowname "$card") == "Practice — Keyslinger v.1.0" ]] || fail "the card's title is '$(xdotool getwindowname "$card")'"
e2e_start_drill

# A figure coming up at the one place, above the time and the counters: f shoots it. A few
# shots are enough; the rest of the figures act unshot, which costs no time.
presses=0
for _ in 1 2 3; do
  wait_for_change "$x" "$y" 640 400 40 || break
  xdotool key f
  presses=$((presses + 1))
  sleep 1.5
done
((presses > 0)) || fail "no figure came up in the drill"

e2e_drill_results
[[ $(xdotool getwindowname "$results") == "Practice results — Keyslinger v.1.0" ]] || fail "the results' title is '$(xdotool getwindowname "$results")'"

db=$work/Progress.db
[[ -f $db ]] || fail "Progress.db was not written"
run=$(sqlite3 "$db" "SELECT profile, level, outcome FROM runs ORDER BY id")
[[ $run == "Tester|0|finished" ]] || fail "the runs stored: '$run'"
hits=$(sqlite3 "$db" "SELECT count(*) FROM shots WHERE result = 'POINT' AND typed = 'f' AND position = 'f' AND reaction_ms > 0")
((hits >= 1)) || fail "no shot at f was stored as a hit ($presses presses; shots: $(sqlite3 "$db" 'SELECT group_concat(result || typed, " ") FROM shots'))"
keys=$(sqlite3 "$db" "SELECT group_concat(position, ' ') FROM (SELECT position FROM practice_keys WHERE profile = 'Tester' ORDER BY seq)")
[[ $keys == "f" ]] || fail "the key set stored: '$keys'"

e2e_leave_practice
echo "PASSED: practice run stored as level 0 with $hits hit(s) at f; Player.ini unchanged"
