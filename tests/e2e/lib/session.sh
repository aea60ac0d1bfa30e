# SPDX-License-Identifier: GPL-3.0-or-later
# The common start of the end-to-end scripts: the tools a script needs, a scratch folder, a
# display number of its own, and the cleanup that stops the game and the X server it started.
# Scripts set game_pid and xvfb_pid when they start those; fail() may be redefined after sourcing.
# Every script names its time budget in its header ("budget: 40 s on two cores"): the build reads
# it to run the longest scripts first, and the script says at its end how long it took.

# e2e_require "PACKAGES" TOOL...: exits 77 (skipped) when a tool is missing.
e2e_require() {
  local packages=$1
  shift
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIPPED: $tool is not installed (apt-get install $packages)"
      exit 77
    fi
  done
}

# e2e_session NAME GAME_DIR [TEST_DATA_DIR]: the script's arguments as game_dir and data_dir, and
# work (a scratch folder, removed at exit).
e2e_session() {
  game_dir=$2
  data_dir=${3:-}
  work=$(mktemp -d "/tmp/keyslinger-$1-XXXXXX")
  e2e_budget=$(sed -n 's/^# .*budget: \([0-9]*\) s on two cores.*/\1/p' "$0" | head -1)
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  local status=$?
  [[ -n ${game_pid:-} ]] && kill "$game_pid" 2>/dev/null
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
  echo "$(basename "$0"): ${SECONDS} s (budget ${e2e_budget:-unset} s on two cores)"
  exit "$status"
}

fail() {
  echo "FAILED: $*"
  [[ -f $work/Player.ini ]] && { echo "--- Player.ini"; cat "$work/Player.ini"; }
  [[ -s $work/game.log ]] && { echo "--- game.log"; tail -n 30 "$work/game.log"; }
  exit 1
}

# e2e_start_xvfb WxHxD [Xvfb options...]: starts an X server on a display number it picks
# itself (so parallel tests and stale lock files never collide), sets and exports DISPLAY
# and display, and waits until the server reports it is ready. -noreset: an X server resets
# when its last client leaves, refusing whoever connects in that moment and bringing back its
# first keyboard map; the scripts' xdotool calls come and go while the game connects, which
# made the game's connection fail now and then.
e2e_start_xvfb() {
  local screen=$1 number=""
  shift
  Xvfb -displayfd 3 -noreset -screen 0 "$screen" -nolisten tcp "$@" 3>"$work/xvfb.display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  # Xvfb writes the number only once it accepts clients; a busy machine may take a while.
  for _ in $(seq 600); do
    read -r number <"$work/xvfb.display" 2>/dev/null
    [[ -n $number ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -z $number ]]; then
    echo "--- Xvfb's output"
    cat "$work/xvfb.log"
    fail "Xvfb did not start"
  fi
  display=":$number"
  export DISPLAY=$display
}

# e2e_fresh_keymap: the US keyboard map on the session's X server. A script that plays several
# cases on one server starts each with it: the server never resets (-noreset), so a map a case
# chose would stay for the next.
e2e_fresh_keymap() {
  setxkbmap -layout us -variant "" -option "" || fail "setxkbmap -layout us failed"
}

# find_window WIDTH HEIGHT SECONDS: the visible window of that client size, as "id x y",
# waiting up to SECONDS for it. Under a window manager, whose frames of a borderless window have
# the window's size, scripts set e2e_window_name to a pattern of the game's titles.
find_window() {
  local width=$1 height=$2 limit=$3 id geometry
  local deadline=$((SECONDS + limit))
  while ((SECONDS <= deadline)); do
    for id in $(xdotool search --onlyvisible --name "${e2e_window_name:-}" 2>/dev/null); do
      geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
      eval "$geometry"
      if [[ $WIDTH == "$width" && $HEIGHT == "$height" ]]; then
        echo "$id $X $Y"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# await_window WIDTH HEIGHT WHAT [SECONDS]: waits (20 s unless given) for the visible window of
# that client size and then for it to take the keyboard; sets window, x and y. Fails naming WHAT.
await_window() {
  read -r window x y < <(find_window "$1" "$2" "${4:-20}") || fail "$3 did not show"
  wait_focus "$window" 20 || fail "$3 did not take the keyboard"
}

# region_shot X Y WIDTH HEIGHT NAME: keeps what that rectangle of the screen shows now as NAME.
region_shot() {
  import -window root -crop "$3x$4+$1+$2" +repage "$work/$5.png" 2>/dev/null
}

# same_images A B: true when the two pictures are pixel for pixel alike. compare says 0 for
# alike, 1 for different and 2 when it could not compare at all: that is a failure, never a
# difference.
same_images() {
  local status
  compare -metric AE "$1" "$2" null: >/dev/null 2>&1
  status=$?
  if ((status > 1)); then
    compare -metric AE "$1" "$2" null:
    fail "compare could not compare $1 and $2"
  fi
  return "$status"
}

# wait_region_differs X Y WIDTH HEIGHT NAME SECONDS: waits until that rectangle differs from the
# shot kept as NAME (a figure coming up, a counter that moved), up to SECONDS.
wait_region_differs() {
  local name=$5 limit=$6
  local deadline=$((SECONDS + limit))
  while ((SECONDS <= deadline)); do
    if region_shot "$1" "$2" "$3" "$4" now; then
      same_images "$work/$name.png" "$work/now.png" || return 0
    fi
    sleep 0.2
  done
  return 1
}

# press_counted KEY X Y WIDTH HEIGHT: presses KEY until the level's counters, shown in that
# rectangle of the screen, change, up to 30 s. After the pause screen, the first press can be
# swallowed: Escape's release may have gone to the pause screen and left the level a held key,
# which the next press only clears. Pressing again only once nothing was counted spares the level
# the misses (and their added seconds) of presses sent blindly.
press_counted() {
  local key=$1 deadline=$((SECONDS + 30))
  while ((SECONDS <= deadline)); do
    region_shot "$2" "$3" "$4" "$5" counters || return 1
    xdotool key "$key"
    wait_region_differs "$2" "$3" "$4" "$5" counters 2 && return 0
  done
  return 1
}

# wait_for_change X Y WIDTH HEIGHT SECONDS: waits until that rectangle of the screen differs from
# what it showed when called (a figure coming up at a place, or its tag blinking), up to
# SECONDS. Scripts crop above the running time so that only the level's figures count.
wait_for_change() {
  region_shot "$1" "$2" "$3" "$4" unchanged || return 1
  wait_region_differs "$1" "$2" "$3" "$4" unchanged "$5"
}

# wait_window_gone WIDTH HEIGHT SECONDS: waits until no visible window has that client size.
wait_window_gone() {
  local deadline=$((SECONDS + $3))
  while ((SECONDS <= deadline)); do
    find_window "$1" "$2" 0 >/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# keep_shot NAME: with KEYSLINGER_SHOTS set to a folder, keeps the whole screen there as NAME.png.
keep_shot() {
  [[ -n ${KEYSLINGER_SHOTS:-} ]] || return 0
  mkdir -p "$KEYSLINGER_SHOTS" && import -window root "$KEYSLINGER_SHOTS/$1.png"
}

# wait_focus ID SECONDS: waits until window ID has the keyboard focus, so that the keys a script
# sends next reach it (a busy machine shows a window before it takes the focus).
wait_focus() {
  local id=$1 limit=$2
  local deadline=$((SECONDS + limit))
  while ((SECONDS <= deadline)); do
    [[ $(xdotool getwindowfocus -f 2>/dev/null) == "$id" ]] && return 0
    sleep 0.1
  done
  return 1
}

# wait_for_file_line FILE PATTERN SECONDS: waits until a line of FILE (CRs dropped) matches the
# extended regular expression PATTERN.
wait_for_file_line() {
  local file=$1 pattern=$2 limit=$3
  local deadline=$((SECONDS + limit))
  while ((SECONDS <= deadline)); do
    [[ -f $file ]] && tr -d '\r' <"$file" | grep -qE "$pattern" && return 0
    sleep 0.1
  done
  return 1
}

# e2e_journey_folder [DIR]: the game in DIR ($work by default) with the journey's levels, the test
# actors and no sounds (game_dir and data_dir are the scripts' arguments).
e2e_journey_folder() {
  local dir=${1:-$work}
  mkdir -p "$dir/sounds"
  cp "$game_dir/keyslinger" "$dir/"
  cp -r "$data_dir/journey/Maps" "$data_dir/game/Objects" "$dir/"
}

# e2e_start_game [DIR]: starts the game in DIR ($work by default), its output in DIR/game.log,
# and sets game_pid.
e2e_start_game() {
  local dir=${1:-$work}
  (cd "$dir" && exec ./keyslinger >"$dir/game.log" 2>&1) &
  game_pid=$!
}
