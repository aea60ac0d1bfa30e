#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the game beside a peer Qt 6 typing tutor and a bare Qt window, in one Xvfb.
usage() {
  cat <<'EOF'
Usage: scripts/measure-startup.sh [GAME_DIR] [RUNS]
  GAME_DIR   the game folder (default build/game)
  RUNS       measured starts of each program (default 7)
Each program is started once to warm up, then RUNS times, the three taking turns, in one Xvfb.
A start is timed from fork to the X server's MapNotify of the program's first top-level window
(the game's main menu), seen by scripts/first_window.c. Prints each program's median and the
game's ratios to the two others; the goal is at most 0.8 times the peer and 1.5 times the bare
window. Beside it, the processor time the program used until then (10 ms steps), which a busy
machine disturbs less. The peer is Debian's tipp10, installed when missing.
EOF
}
set -eu
case ${1:-} in -h|--help) usage; exit 0 ;; esac
game_dir=$(realpath "${1:-build/game}")
runs=${2:-7}
here=$(cd "$(dirname "$0")" && pwd)
[[ -x $game_dir/keyslinger ]] || { echo "no game in $game_dir (build the keyslinger target)" >&2; exit 1; }
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "RUNS takes a positive number" >&2; exit 2; }
for tool in Xvfb cc c++ pkg-config; do
  command -v $tool >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
if ! command -v tipp10 >/dev/null; then
  echo "Installing the peer typing tutor (tipp10)..." >&2
  if [[ $(id -u) == 0 ]]; then apt-get install -y tipp10 >&2; else sudo apt-get install -y tipp10 >&2; fi
fi

work=$(mktemp -d /tmp/keyslinger-startup-XXXXXX)
xvfb=""
cleanup() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The window watcher and the bare window, built here from their sources beside this script.
cc -O2 -o "$work/first_window" "$here/first_window.c" $(pkg-config --cflags --libs xcb)
c++ -O2 -fPIC -std=c++17 -o "$work/bare_window" "$here/bare_window.cpp" $(pkg-config --cflags --libs Qt6Widgets)

mkdir -p "$work/game" "$work/home-game" "$work/home-peer" "$work/home-bare" "$work/runtime"
chmod 700 "$work/runtime"
cp -r "$game_dir"/. "$work/game"/
rm -f "$work/game/Player.ini" "$work/game/Progress.db"*

exec 3>"$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
export XDG_RUNTIME_DIR=$work/runtime
unset SESSION_MANAGER

# One start of program NAME; prints its seconds to the first window.
start_once() {
  case $1 in
    game) (cd "$work/game" && HOME=$work/home-game "$work/first_window" 30 ./keyslinger) ;;
    peer) HOME=$work/home-peer "$work/first_window" 30 tipp10 ;;
    bare) HOME=$work/home-bare "$work/first_window" 30 "$work/bare_window" ;;
  esac 2>>"$work/errors.log" </dev/null
}

# The peer's first start in a new home builds its database: let it finish before timing.
HOME=$work/home-peer tipp10 >/dev/null 2>&1 &
peer=$!
for _ in $(seq 100); do [[ -n $(find "$work/home-peer" -type f 2>/dev/null) ]] && break; sleep 0.1; done
sleep 3
kill "$peer" 2>/dev/null; wait "$peer" 2>/dev/null || true

declare -A times cpus
for name in game peer bare; do
  start_once $name >/dev/null || { echo "$name did not show a window:" >&2; cat "$work/errors.log" >&2; exit 1; }
done
for run in $(seq "$runs"); do
  line="run $run:"
  for name in game peer bare; do
    out=$(start_once $name) || { echo "$name did not show a window:" >&2; cat "$work/errors.log" >&2; exit 1; }
    read -r t cpu <<<"$out"
    times[$name]+="$t "
    cpus[$name]+="$cpu "
    line+=" $name $t s (cpu $cpu s)"
  done
  echo "$line"
done

median() { printf '%s\n' $1 | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
game=$(median "${times[game]}")
peer=$(median "${times[peer]}")
bare=$(median "${times[bare]}")
awk -v g="$game" -v p="$peer" -v b="$bare" -v n="$runs" -v cg="$(median "${cpus[game]}")" \
    -v cp="$(median "${cpus[peer]}")" -v cb="$(median "${cpus[bare]}")" 'BEGIN {
  printf "Medians of %d starts to the first window (processor time used by then in brackets):\n", n
  printf "  Keyslinger           %.3f s (%.2f s)\n", g, cg
  printf "  peer tutor (tipp10)  %.3f s (%.2f s)   Keyslinger / peer = %.2f (goal at most 0.80)\n", p, cp, g / p
  printf "  bare Qt window       %.3f s (%.2f s)   Keyslinger / bare = %.2f (goal at most 1.50)\n", b, cb, g / b
}'
