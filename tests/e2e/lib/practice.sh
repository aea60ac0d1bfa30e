# SPDX-License-Identifier: GPL-3.0-or-later
# The way into a practice drill and out of it again, for the end-to-end scripts that practise:
# PROGRESS from the main menu, the card, the drill, its results, and back to the menu with
# Player.ini as it was. Sourced after session.sh.

# e2e_open_progress: PROGRESS from the main menu by keys; sets progress.
e2e_open_progress() {
  await_window 305 361 "the main menu"
  xdotool mousemove 0 0                                 # no button lit by the pointer
  xdotool key Up Up Up Up space                         # PROGRESS, lit from the keyboard
  await_window 640 480 "PROGRESS"
  progress=$window
}

# e2e_open_card: Enter on PROGRESS (PRACTICE); sets card.
e2e_open_card() {
  xdotool key Return
  await_window 560 420 "the practice card"
  card=$window
}

# e2e_start_drill: Enter on the card (START) begins the drill; sets game, x and y.
e2e_start_drill() {
  keep_shot card
  xdotool key Return
  wait_window_gone 560 420 20 || fail "the card stayed after Enter"
  await_window 640 480 "the game screen"
  game=$window
}

# e2e_drill_results: waits for the drill to run out into its results; sets results.
e2e_drill_results() {
  await_window 560 420 "the practice results" 240
  results=$window
  keep_shot results
}

# e2e_leave_practice: Escape on the results (MAIN MENU) shows the main menu, and Player.ini is
# byte for byte what it was in Player.ini.before.
e2e_leave_practice() {
  xdotool key Escape
  await_window 305 361 "the main menu after the results"
  wait_window_gone 560 420 20 || fail "the results stayed after Escape"
  cmp -s "$work/Player.ini" "$work/Player.ini.before" || {
    diff "$work/Player.ini.before" "$work/Player.ini"
    fail "practice changed Player.ini"
  }
}
