#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Practice against the levels for a typist weak on two keys, over a range of simulator seeds.
# Usage: scripts/measure-practice-aim.sh [BUILD_DIR] [FIRST_SEED] [LAST_SEED] [WEAK_KEYS]
# Prints per weak key the practice chances per minute over those in the level that introduces
# it, seed by seed with their mean, and the minutes each way took to master levels 1 to 4.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
first="${2:-1}"
last="${3:-5}"
weak="${4:-g,h}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
for seed in $(seq "$first" "$last"); do
  "$build/game/keyslinger-sim" "$here/content" --practice --weak "$weak" --seed "$seed" --json --runs 1 \
    > "$out/$seed.json"
done
python3 - "$out" "$first" "$last" "$weak" <<'PY'
import json, sys
folder, first, last, weak = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4].split(",")
runs = [json.load(open(f"{folder}/{s}.json")) for s in range(first, last + 1)]
for key in weak:
    ratios = [r["keys"][key]["practice_per_minute"] / r["keys"][key]["level_per_minute"]
              if r["keys"][key]["level_per_minute"] > 0 else float("inf") for r in runs]
    print(f"{key}: " + " ".join(f"{x:.2f}" for x in ratios) + f"  mean {sum(ratios) / len(ratios):.2f}")
for way in ("practice", "levels"):
    minutes = [r["minutes_to_master"][way] for r in runs]
    known = [m for m in minutes if m is not None]
    mean = f"{sum(known) / len(known):.1f}" if known else "-"
    print(f"minutes to master, {way}: " + " ".join("-" if m is None else f"{m:.1f}" for m in minutes) + f"  mean {mean}")
PY
