# The common start of the end-to-end scripts: the tools a script needs, a scratch folder, a
# display number of its own, and the cleanup that stops the game and the X server it started.
# Scripts set game_pid and xvfb_pid when they start those; fail() may be redefined after sourcing.

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

# e2e_session NAME: sets work (a scratch folder, removed at exit).
e2e_session() {
  work=$(mktemp -d "/tmp/keyslinger-$1-XXXXXX")
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  [[ -n ${game_pid:-} ]] && kill "$game_pid" 2>/dev/null
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
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

# find_window WIDTH HEIGHT SECONDS: the visible window of that client size, as "id x y",
# waiting up to SECONDS for it.
find_window() {
  local width=$1 height=$2 limit=$3 id geometry
  for _ in $(seq $((limit * 10))); do
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
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

# wait_for_change X Y WIDTH HEIGHT SECONDS: waits until that rectangle of the screen differs from
# what it showed when called (a figure coming up at a place, or its tag blinking), up to
# SECONDS. Scripts crop above the running time so that only the level's figures count.
wait_for_change() {
  local geometry="$3x$4+$1+$2" limit=$5
  import -window root -crop "$geometry" +repage "$work/unchanged.png" 2>/dev/null || return 1
  for _ in $(seq $((limit * 5))); do
    sleep 0.2
    import -window root -crop "$geometry" +repage "$work/now.png" 2>/dev/null || continue
    [[ $(compare -metric AE "$work/unchanged.png" "$work/now.png" null: 2>&1) != 0 ]] && return 0
  done
  return 1
}

# e2e_journey_folder: the game in $work with the journey's levels, the test actors and no sounds
# (game_dir and data_dir are the scripts' arguments).
e2e_journey_folder() {
  cp "$game_dir/keyslinger" "$work/"
  cp -r "$data_dir/journey/Maps" "$data_dir/game/Objects" "$work/"
  mkdir -p "$work/sounds"
}

# e2e_start_game [DIR]: starts the game in DIR ($work by default), its output in DIR/game.log,
# and sets game_pid.
e2e_start_game() {
  local dir=${1:-$work}
  (cd "$dir" && exec ./keyslinger >"$dir/game.log" 2>&1) &
  game_pid=$!
}
