#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU the game uses under Xvfb while a level runs with nobody typing, sound into a private null sink.
usage() {
  cat <<'EOF'
Usage: scripts/measure-cpu.sh [options] [GAME_DIR] [SECONDS]
  GAME_DIR              the game folder (default build/game)
  SECONDS               how long to measure (default 20)
  --from S              start measuring S seconds after the level's window shows (default 30)
  --level N             play the shipped level N (default 16)
  --scene               play a 12-place scene made here instead of a shipped level
  --difficulty D        Easy, Normal or Hard for the profile (default Hard)
  --sound on|off        on (default): sound=1 in the profile and a PulseAudio null sink on a
                        private socket, PULSE_SERVER pointing at it; off: sound=0
  --record FILE         with --sound on: record the sink's monitor to FILE (WAV) while measuring
  --screen WxH          the Xvfb screen size (default 1280x1024)
  --fullscreen          press F11 once the level runs
  --display :N          the X display to use (default a random one in :300..:599)
  --screenshot FILE     save a picture of the screen (PNG) at the end of the measurement
  --runs N              measure N times, each in a fresh game, and print the median too
The figure is the game process's CPU time (utime + stime of /proc/PID/stat) over the measured
seconds, in a fresh game folder, sound server and X server per run; with sound on, the sound
server's CPU is printed beside it. The defaults measure Level16 on Hard with sound on from 30 s
to 50 s into the level.
EOF
}
set -eu
level=16
difficulty=Hard
sound=on
from=30
record=""
screen=1280x1024
fullscreen=0
display=":$((300 + RANDOM % 300))"
runs=1
screenshot=""
positional=()
while [[ $# -gt 0 ]]; do
  case $1 in
    --level) level=$2; shift 2 ;;
    --scene) level=""; shift ;;
    --from) from=$2; shift 2 ;;
    --difficulty) difficulty=$2; shift 2 ;;
    --sound) sound=$2; shift 2 ;;
    --record) record=$(realpath -m "$2"); shift 2 ;;
    --screen) screen=$2; shift 2 ;;
    --fullscreen) fullscreen=1; shift ;;
    --display) display=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --screenshot) screenshot=$(realpath -m "$2"); shift 2 ;;
    -h|--help) usage; exit 0 ;;
    -*) echo "unknown option: $1" >&2; usage >&2; exit 2 ;;
    *) positional+=("$1"); shift ;;
  esac
done
game_dir=${positional[0]:-build/game}
seconds=${positional[1]:-20}
[[ $seconds =~ ^[1-9][0-9]*$ && $from =~ ^[0-9]+$ ]] || { echo "SECONDS and --from take whole seconds" >&2; exit 2; }
[[ -z $level || $level =~ ^[1-9][0-9]*$ ]] || { echo "--level takes a level number" >&2; exit 2; }
case $sound in on|off) ;; *) echo "--sound takes on or off" >&2; exit 2 ;; esac
[[ $screen =~ ^[0-9]+x[0-9]+$ ]] || { echo "--screen takes WxH" >&2; exit 2; }
[[ -z $record || $sound == on ]] || { echo "--record needs --sound on" >&2; exit 2; }
for tool in Xvfb xdotool; do command -v $tool >/dev/null || { echo "$tool is missing" >&2; exit 1; }; done
if [[ $sound == on ]]; then
  command -v pulseaudio >/dev/null || { echo "pulseaudio is missing (apt-get install pulseaudio pulseaudio-utils)" >&2; exit 1; }
fi

hz=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
# Hundredths of a percent of one core, printed with two decimals.
percent() { local h=$(( $1 * 10000 / hz / seconds )); printf '%d.%02d' $((h / 100)) $((h % 100)); }

work=""
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  pids=()
  [[ -n $work ]] && rm -rf "$work"
  work=""
}
trap cleanup EXIT

# Waits (up to 30 s) for a visible window of the given size.
wait_for_window() {
  local id
  for _ in $(seq 600); do
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
      xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$" && return 0
    done
    sleep 0.05
  done
  return 1
}
# Sleeps until the given time of the clock in nanoseconds since the epoch.
sleep_until() {
  local left=$(( $1 - $(date +%s%N) ))
  (( left > 0 )) && sleep "$((left / 1000000000)).$(printf '%09d' $((left % 1000000000)))"
  return 0
}

# Makes the game folder to play in: the profile, and the 12-place scene unless a level is named.
prepare() {
  work=$(mktemp -d /tmp/keyslinger-cpu-XXXXXX)
  cp -r "$game_dir"/. "$work"/
  local n=${level:-1}
  printf '[curplayer]\nname=cpu\nsound=%d\n[cpu]\nlevels=%d\ncurlevel=%d\nup=%s\nfirststart=1\n' \
    "$([[ $sound == on ]] && echo 1 || echo 0)" "$n" "$n" "$difficulty" >"$work/Player.ini"
  [[ -n $level ]] && return
  local map=$work/Maps/Level1
  {
    printf '[Map]\nNormal=0:0:0:2000:3000\nLBMP=Tag.bmp\nLsize=12\n[Objects]\nbandit=Rustler\n'
    for i in $(seq 0 11); do
      printf '[p%d]\nx=%d\ny=%d\nw=64\nh=80\nside=%d\nletter=%s\n' "$i" $((20 + (i % 6) * 100)) \
        $((40 + (i / 6) * 160)) $((i % 3 + 1)) "$(echo abcdefghijkl | cut -c$((i + 1)))"
    done
  } >"$map/Map.ini"
  printf '[t]\ncommand=1\nparam1=bandit\nparam2=600\n[w]\ncommand=2\nparam1=600000\nparam2=0:0:10\n' >"$map/Script.ini"
}

# One measurement; prints the game's CPU percent (and the sound server's) and sets last_game.
measure_once() {
  prepare
  local pulse_pid="" sock=""
  if [[ $sound == on ]]; then
    sock=$work/pulse.sock
    mkdir -p "$work/pulse-runtime"
    HOME=$work PULSE_RUNTIME_PATH=$work/pulse-runtime pulseaudio --daemonize=no -n --use-pid-file=no \
      --exit-idle-time=-1 --disable-shm=yes \
      --load="module-null-sink sink_name=rec" \
      --load="module-native-protocol-unix auth-anonymous=1 socket=$sock" >"$work/pulse.log" 2>&1 &
    pulse_pid=$!
    pids+=("$pulse_pid")
    for _ in $(seq 100); do [[ -S $sock ]] && break; sleep 0.1; done
    [[ -S $sock ]] || { echo "PulseAudio did not start:" >&2; cat "$work/pulse.log" >&2; exit 1; }
    export PULSE_SERVER=unix:$sock
  else
    unset PULSE_SERVER
  fi
  Xvfb "$display" -noreset -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=$display
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  (cd "$work" && exec ./keyslinger >/dev/null 2>&1) &
  local pid=$!
  pids+=("$pid")
  # START GAME once the menu shows; the level runs from the moment its window shows.
  wait_for_window 305x361 || { echo "the main menu did not show" >&2; exit 1; }
  xdotool key Return
  wait_for_window 640x480 || { echo "the level did not show" >&2; exit 1; }
  local level_shown
  level_shown=$(date +%s%N)
  [[ $fullscreen == 1 ]] && xdotool key F11
  sleep_until $((level_shown + from * 1000000000))
  local rec_pid=""
  if [[ -n $record ]]; then
    parec -d rec.monitor --file-format=wav "$record" &
    rec_pid=$!
    pids+=("$rec_pid")
  fi
  local before server_before
  before=$(ticks "$pid")
  server_before=$([[ -n $pulse_pid ]] && ticks "$pulse_pid" || echo 0)
  sleep_until $((level_shown + (from + seconds) * 1000000000))
  local after server_after
  after=$(ticks "$pid")
  server_after=$([[ -n $pulse_pid ]] && ticks "$pulse_pid" || echo 0)
  [[ -n $screenshot ]] && import -window root "$screenshot"
  [[ -n $rec_pid ]] && kill -INT "$rec_pid" 2>/dev/null && wait "$rec_pid" 2>/dev/null || true
  kill -0 "$pid" 2>/dev/null || { echo "the game ended before the measurement did" >&2; exit 1; }
  last_game=$((after - before))
  local line="CPU while playing: $(percent $last_game)% of one core from ${from} s to $((from + seconds)) s into the level"
  [[ -n $pulse_pid ]] && line+=" (sound server: $(percent $((server_after - server_before)))%)"
  echo "$line"
  cleanup
}

results=()
for _ in $(seq "$runs"); do
  measure_once
  results+=("$last_game")
done
if [[ $runs -gt 1 ]]; then
  sorted=($(printf '%s\n' "${results[@]}" | sort -n))
  median=${sorted[$(( (runs - 1) / 2 ))]}
  # The level's waves are random: how many figures are up in the measured seconds differs from
  # game to game, and with it the figure (by a fifth either way).
  echo "Median of $runs runs: $(percent "$median")% of one core (runs from $(percent "${sorted[0]}")% to $(percent "${sorted[$((runs - 1))]}")%)"
fi
