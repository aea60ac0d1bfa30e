#!/usr/bin/env bash
# CPU the game uses under Xvfb while a level keeps about ten actors animating.
# Usage: scripts/measure-cpu.sh [GAME_DIR] [SECONDS]
set -eu
game_dir=${1:-build/game}
seconds=${2:-10}
work=$(mktemp -d /tmp/keyslinger-cpu-XXXXXX)
cp -r "$game_dir"/. "$work"/
level=$work/Maps/Level1
printf '[curplayer]\nname=cpu\n[cpu]\nlevels=1\ncurlevel=1\nup=Normal\nfirststart=1\n' >"$work/Player.ini"
{
  printf '[Map]\nNormal=0:0:0:2000:3000\nLBMP=Tag.bmp\nLsize=12\n[Objects]\nbandit=Rustler\n'
  for i in $(seq 0 11); do
    printf '[p%d]\nx=%d\ny=%d\nw=64\nh=80\nside=%d\nletter=%s\n' "$i" $((20 + (i % 6) * 100)) $((40 + (i / 6) * 160)) $((i % 3 + 1)) "$(echo abcdefghijkl | cut -c$((i + 1)))"
  done
} >"$level/Map.ini"
printf '[t]\ncommand=1\nparam1=bandit\nparam2=600\n[w]\ncommand=2\nparam1=600000\nparam2=0:0:10\n' >"$level/Script.ini"
display=":$((300 + RANDOM % 300))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
(cd "$work" && exec ./keyslinger >/dev/null 2>&1) &
pid=$!
trap 'kill $pid $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1.5
xdotool key Return
sleep 3
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU while playing: $(( (after - before) * 1000 / hz / seconds / 10 )).$(( (after - before) * 10000 / hz / seconds % 10 ))% of one core over ${seconds} s"
