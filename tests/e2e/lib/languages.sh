# SPDX-License-Identifier: GPL-3.0-or-later
# One language case of the real game under Xvfb, for the end-to-end scripts of the game's
# languages: started with a locale, its help window carries the title in that language, and the
# level, pause, results, About and PROGRESS still play through. With KEYSLINGER_SHOTS_DIR set,
# screenshots of each screen are kept there. Sourced after session.sh, in a session with the
# journey's game folder and an X server.

# shot NAME: with KEYSLINGER_SHOTS_DIR set, keeps the whole screen there, given a moment to draw.
shot() {
  [[ -n ${KEYSLINGER_SHOTS_DIR:-} ]] || return 0
  sleep 0.5
  mkdir -p "$KEYSLINGER_SHOTS_DIR" && import -window root "$KEYSLINGER_SHOTS_DIR/$1.png"
}

# start_in LANG_VALUE LANGUAGE_VALUE: starts the game with that locale and waits for its menu,
# which takes the keyboard itself, also without a window manager; sets menu, mx, my.
start_in() {
  (cd "$work" && exec env -u LC_ALL -u LC_MESSAGES LANG="$1" LANGUAGE="$2" ./keyslinger >"$work/game.log" 2>&1) &
  game_pid=$!
  read -r menu mx my < <(find_window 305 361 20) || fail "$name: the main menu did not show"
  back_to_menu "after a start"
}

stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

# The game hands the keyboard back to the menu when a screen over it closes: the script does not.
back_to_menu() {
  wait_focus "$menu" 20 || fail "$name: the main menu did not take the keyboard $1"
}

# play LANG_VALUE LANGUAGE_VALUE HELP_TITLE NAME
play() {
  local lang=$1 language=$2 title=$3 name=$4 help="" game gx gy results
  e2e_fresh_keymap
  printf '[curplayer]\nname=tester\nsound=0\n[tester]\nlevels=1\ncurlevel=1\nup=Hard\nfirststart=1\n' >"$work/Player.ini"
  start_in "$lang" "$language"
  shot "${name}_menu"
  # The "?" at the menu's bottom right opens Help. The pointer then leaves the menu, so the keys
  # alone move its highlight (the X server hands the game the move before any later key).
  xdotool mousemove $((mx + 279)) $((my + 342)) click 1 mousemove 0 0
  for _ in $(seq 100); do
    help=$(xdotool search --onlyvisible --name "^${title}( |\$)" 2>/dev/null | head -1)
    [[ -n $help ]] && break
    sleep 0.1
  done
  [[ -n $help ]] || fail "$name: no help window titled '$title'"
  shot "${name}_help"
  # Help closes with Esc, so it leaves the menu in view for the next pictures.
  xdotool windowactivate --sync "$help" 2>/dev/null || xdotool windowfocus "$help"
  xdotool key Escape
  back_to_menu "from Help"
  xdotool key Return
  await_window 640 480 "$name: the game screen"
  game=$window gx=$x gy=$y
  wait_for_change "$gx" "$gy" 640 400 20 || fail "$name: no figure came up"
  shot "${name}_level"
  xdotool key Escape
  await_window 218 211 "$name: the pause screen"
  shot "${name}_pause"
  xdotool key Escape
  wait_focus "$game" 20 || fail "$name: the game screen did not take the keyboard back"
  # The bandit lives far longer than the wave, which ends the level once it has run out: it is
  # shot as soon as the level goes on, the counters in the corner telling when the press counted.
  press_counted f $((gx + 566)) $((gy + 404)) 74 72 || fail "$name: f was not counted"
  read -r results _ _ < <(find_window 315 325 60) || fail "$name: the results screen did not show"
  wait_focus "$results" 20 || fail "$name: the results screen did not take the keyboard"
  shot "${name}_results"
  # MAIN MENU shows the menu anew with nothing lit: ABOUT is its fourth stop.
  xdotool key Escape
  read -r _ _ _ < <(find_window 305 361 20) || fail "$name: MAIN MENU did not show the menu"
  back_to_menu "from the results"
  xdotool key Down Down Down Down space
  read -r _ _ _ < <(find_window 234 269 20) || fail "$name: About did not open by keys"
  shot "${name}_about"
  stop_game
  # A new start, a menu with nothing lit: PROGRESS is the fourth stop from the end.
  start_in "$lang" "$language"
  xdotool key Up Up Up Up space
  read -r _ _ _ < <(find_window 640 480 20) || fail "$name: PROGRESS did not open by keys"
  shot "${name}_progress"
  stop_game
}
