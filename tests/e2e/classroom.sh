#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A class end to end, with real key presses under Xvfb. A pupil whose keyslinger.ini names a
# class folder plays a level and the game is ended: the hand-in of that run is in the folder.
# Then a teacher opens the folder with keyslinger --class and, by keyboard alone, sorts the
# table by profile, opens a pupil's page, and saves the table as CSV and as PDF (checked with
# pdfinfo: the table's page and one page per readable hand-in).
# budget: 15 s on two cores (two game starts, a level's first moment, two file dialogs; every
# wait is for an event, with deadlines generous enough for a busy machine).
# Usage: classroom.sh GAME_DIR TEST_DATA_DIR. Exits 77 (skipped) without Xvfb, xdotool,
# ImageMagick, sqlite3 or pdfinfo.
set -u
game_dir=$1
data_dir=$2
source "$(dirname "$0")/lib/session.sh"
e2e_require "xvfb xdotool imagemagick sqlite3 poppler-utils" Xvfb xdotool import compare sqlite3 pdfinfo

e2e_session classroom "$@"
e2e_start_xvfb 1280x1024x24
class=$work/class-7b
mkdir -p "$class" "$work/config/keyslinger"
printf '[class]\nfolder=%s\n' "$class" >"$work/config/keyslinger/keyslinger.ini"

# --- A pupil's run: the hand-in follows it.
e2e_journey_folder
printf '[t]\r\ncommand=1\r\nparam1=bandit\r\nparam2=600000\r\n[w]\r\ncommand=2\r\nparam1=600000\r\nparam2=60000:0:1\r\n' \
  >"$work/Maps/Level1/Script.ini"
printf '[curplayer]\nname=Drifter\nsound=0\n[Drifter]\nlevels=1\ncurlevel=1\nup=Hard\nfirststart=1\n' >"$work/Player.ini"
export XDG_CONFIG_HOME=$work/config
e2e_start_game
# The folder is readable by whoever runs the test, so the menu offers CLASS: 40 pixels taller.
read -r menu _ _ < <(find_window 305 401 30) || fail "the main menu did not show with CLASS"
wait_focus "$menu" 20 || fail "the main menu did not take the keyboard"
xdotool key Return
find_window 640 480 30 >/dev/null || fail "the level did not start"
kill -TERM "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=
handed=$(ls "$class"/*.keyslinger 2>/dev/null)
[[ $(wc -l <<<"$handed") == 1 && -f $handed ]] || fail "no single hand-in in the class folder: '$handed'"
[[ $(sqlite3 "$handed" "SELECT profile, runs FROM hand_in") == "Drifter|1" ]] || fail "the hand-in does not hold the run"
[[ $(stat -c %a "$handed") == 640 ]] || fail "the hand-in's mode is $(stat -c %a "$handed"), not 640"
unset XDG_CONFIG_HOME

# --- More of the class: hand-ins made from the frozen one, and a file that is none.
for profile in Zed "=1+1" "<b>bold</b>"; do
  file=$class/pupil-$RANDOM.keyslinger
  sqlite3 "$file" <"$data_dir/classroom/hand_in.sql" || fail "sqlite3 could not make a hand-in"
  sqlite3 "$file" "UPDATE hand_in SET profile = '$profile'"
done
echo "not a hand-in" >"$class/broken.keyslinger"

# --- The teacher.
(cd "$work" && exec ./keyslinger --class "$class" >"$work/teacher.log" 2>&1) &
game_pid=$!
read -r screen x y < <(find_window 1000 620 30) || fail "the CLASS screen did not show"
wait_focus "$screen" 20 || fail "the CLASS screen did not take the keyboard"
keep_shot class
# Right: the profile column; s: sorted by it; Ctrl+Home: the first row, "<b>bold</b>" ('<' sorts
# first). Sorting keeps the cursor on its row, which was the first before.
xdotool key Right s ctrl+Home
sleep 0.5
xdotool key Return
read -r page _ _ < <(find_window 640 480 30) || fail "Enter did not open the pupil's page"
keep_shot pupil
xdotool key Escape
wait_window_gone 640 480 20 || fail "Escape did not close the pupil's page"
wait_focus "$screen" 20 || fail "the CLASS screen did not get the keyboard back"

# save NTH_TAB PATH: Tab to the button, Enter, the file's path into the dialog, Enter.
save() {
  local tabs=$1 path=$2 dialog
  for ((i = 0; i < tabs; i++)); do xdotool key Tab; done
  xdotool key Return
  read -r dialog _ _ < <(find_window_named "Save the class" 30) || fail "no file dialog for $path"
  wait_focus "$dialog" 20 || fail "the file dialog did not take the keyboard"
  xdotool key ctrl+a
  xdotool type --delay 10 "$path"
  xdotool key Return
  wait_for_file_line "$path" "." 60 || fail "$path was not written"
  wait_focus "$screen" 20 || fail "the CLASS screen did not get the keyboard back after saving"
}

# find_window_named TEXT SECONDS: a visible window whose name holds TEXT.
find_window_named() {
  local deadline=$((SECONDS + $2)) id
  while ((SECONDS <= deadline)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [[ -n $id ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

save 2 "$work/class.csv"  # CLASS KEYS, SAVE CSV
lines=$(tr -d '\r' <"$work/class.csv" | wc -l)
[[ $lines == 6 ]] || fail "the CSV has $lines lines, not a header and five rows"
grep -q "\"'=1+1\"" "$work/class.csv" || fail "a profile beginning with = is not made inert in the CSV"
second=$(tr -d '\r' <"$work/class.csv" | sed -n 2p)
[[ $second == *'"<b>bold</b>"'* ]] || fail "the CSV is not sorted by profile: $second"

save 1 "$work/class.pdf"  # SAVE PDF, next to the lit SAVE CSV
pages=$(pdfinfo "$work/class.pdf" | awk '/^Pages:/ {print $2}')
[[ $pages == 5 ]] || fail "the PDF has $pages pages, not the table's and one for each of four pupils"

xdotool key Escape
for _ in $(seq 200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "Escape did not close the CLASS screen"
game_pid=
echo "classroom passed: a hand-in after a run; the class sorted, a pupil opened, CSV and PDF ($pages pages) saved"
