#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times every repaint of the game screen during a one-minute drill of six-letter words (Level16's
# scene, five figures standing, a typist typing the words), in full screen at 1920 by 1080 and in
# the 640 by 480 window, on Qt's software raster.
usage() {
  cat <<'USAGE'
Usage: scripts/measure-word-drill-paint.sh [BUILD_DIR] [--runs N] [--shots FOLDER]
  BUILD_DIR        the build folder (default build); its tests/keyslinger_screen_bench is run
  --runs N         measure N times (default 3) and print each run's figures
  --shots FOLDER   also save the screen at two moments of each size into FOLDER, to look at
Each 50 ms tick of the drill's clock is followed by a full repaint of the screen (every repaint
of the game is at most that), timed alone. Printed per size: the slowest repaint, the 99th
percentile and the median, in ms of the wall clock (*_ms) and of the processor time the repaint
used (*_cpu_ms). The goal is under 4 ms for every repaint at 1920 by 1080. On a busy machine the
wall clock includes waits for a processor another program holds; the processor time does not.
The plain full-repaint benchmark is printed last for comparison.
USAGE
}
set -eu
build=build
runs=3
shots=""
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --shots) shots="$2"; shift 2 ;;
    -h|--help) usage; exit 0 ;;
    *) build="$1"; shift ;;
  esac
done
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="$build/tests/keyslinger_screen_bench"
[ -x "$bench" ] || { echo "no $bench: build the target keyslinger_screen_bench first" >&2; exit 1; }
export QT_QPA_PLATFORM="offscreen:configfile=$here/tests/data/offscreen_1920x1080.json"
if [ -n "$shots" ]; then
  mkdir -p "$shots"
  export KEYSLINGER_PAINT_SHOTS="$shots"
fi
for run in $(seq 1 "$runs"); do
  "$bench" --benchmark_filter='WordDrillRepaints' --benchmark_format=console 2>/dev/null |
    awk -v run="$run" '/^WordDrill/ {
      line = "run " run ": " $1; sub(/\/iterations:1/, "", line)
      for (i = 2; i <= NF; ++i) if ($i ~ /^(max_|p99_|median_|repaints)/) line = line "  " $i
      print line }'
done
"$bench" --benchmark_filter='FullRepaintFullScreen1920x1080' 2>/dev/null | awk '/^FullRepaint/ { print "full repaint benchmark: " $1 " " $2 " " $3 }'
