#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Word waves in the real game under Xvfb: a learner whose practice key set holds the keys of the
# first five levels gets a drill with word waves; real key presses type the words the figures
# come up with and shoot them, the drill runs out into its results, and Progress.db holds a
# practice run (level 0) with a hit that completed a word, while Player.ini stays byte for byte
# as it was. The game prints each word it gives a figure to stderr (KEYSLINGER_E2E_WORDS=1), so
# the script knows what to type. The words come from /usr/share/dict (wamerican).
# budget: 95 s on two cores (the drill itself runs some 80 s)
# Usage: practice_words.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# ImageMagick, sqlite3 or the American English word list. Set KEYSLINGER_SHOTS to a folder to
# keep the card, a word wave and the results.
set -u
source "$(dirname "$0")/lib/session.sh"
source "$(dirname "$0")/lib/practice.sh"
e2e_require "xvfb xdotool imagemagick sqlite3" Xvfb xdotool import compare sqlite3
[[ -f /usr/share/dict/american-english ]] || { echo "SKIPPED: no /usr/share/dict/american-english (apt-get install wamerican)"; exit 77; }

e2e_session practice-words "$@"
cp "$game_dir/keyslinger" "$work/"
cp -r "$game_dir/Objects" "$game_dir/sounds" "$game_dir/Maps" "$work/"
printf '[curplayer]\r\nname=Tester\r\nsound=0\r\n[Tester]\r\nlevels=5\r\ncurlevel=5\r\nup=Normal\r\nfirststart=1\r\nfullscreen=0\r\n' \
  >"$work/Player.ini"
cp "$work/Player.ini" "$work/Player.ini.before"
db=$work/Progress.db

# The letters the keys of the first five levels type (places in Map.ini order); their US key
# positions are the letters themselves.
keys=""
for level in 1 2 3 4 5; do
  map=$(ls "$work/Maps/Level$level/" | grep -i '^map\.ini$') || fail "Level$level has no Map.ini"
  keys+=$(tr -d '\r' <"$work/Maps/Level$level/$map" | sed -n 's/^[Ll][Ee][Tt][Tt][Ee][Rr]=\([a-z]\)$/\1/p' | tr -d '\n')
done
keys=$(echo "$keys" | fold -w1 | awk '!seen[$0]++' | tr -d '\n')
((${#keys} >= 12)) || fail "the first five levels bring only the letter keys '$keys'"

e2e_start_xvfb 1280x1024x24
export LANGUAGE=en LC_ALL=C.UTF-8 LANG=C.UTF-8
export KEYSLINGER_E2E_WORDS=1
e2e_start_game

e2e_open_progress

# A first card makes the practice tables; back on PROGRESS the set grows to the keys of the
# first five levels, none mastered yet, and the next card composes its drill from them.
e2e_open_card
xdotool key Escape
wait_window_gone 560 420 20 || fail "the card stayed after Escape"
await_window 640 480 "PROGRESS again"
[[ -f $db ]] || fail "the card left no Progress.db"
values=""
for ((i = 0; i < ${#keys}; i++)); do
  values+="${values:+,}('Tester', '${keys:i:1}', $i, 0, 0, 0)"
done
sqlite3 -cmd ".timeout 10000" "$db" \
  "DELETE FROM practice_keys WHERE profile = 'Tester'; INSERT INTO practice_keys (profile, position, seq, mastered, interval_days, due_day) VALUES $values;" ||
  fail "the key set could not be stored"

e2e_open_card
e2e_start_drill

# The first words the game gives figures are typed as they come (the first waits for the
# drill's first word wave, the third of five, 24 seconds in on a quiet machine); the figures after
# them act unshot.
typed=0
seen=0
deadline=$((SECONDS + 150))
while ((SECONDS <= deadline && typed < 6)); do
  find_window 560 420 0 >/dev/null && break          # the results are up
  mapfile -t words < <(tr -d '\r' <"$work/game.log" | sed -n 's/^keyslinger: word //p')
  if ((${#words[@]} > seen)); then
    ((seen == 0)) && keep_shot word-wave
    for ((; seen < ${#words[@]} && typed < 6; seen++)); do
      xdotool type --delay 60 "${words[seen]}"
      typed=$((typed + 1))
    done
  fi
  sleep 0.1
done
((typed > 0)) || fail "no word came up in the drill"

e2e_drill_results

run=$(sqlite3 "$db" "SELECT profile, level, outcome, word_ready_ms > 0 FROM runs ORDER BY id")
[[ $run == "Tester|0|finished|1" ]] || fail "the runs stored: '$run'"
words=$(sqlite3 "$db" "SELECT count(*) FROM shots s JOIN runs r ON r.id = s.run_id WHERE r.level = 0 AND s.result = 'POINT' AND s.word IS NOT NULL AND s.word_len > 1")
((words >= 1)) || fail "no completed word was stored as a hit ($typed words typed; shots: $(sqlite3 "$db" "SELECT group_concat(result || ':' || key, ' ') FROM shots WHERE word IS NOT NULL"))"

e2e_leave_practice
echo "PASSED: $words word(s) of $typed typed stored as hits of a practice run; Player.ini unchanged"
