#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Practice against the levels for a typist weak on two keys, over a range of simulator seeds.
# Usage: scripts/measure-practice-aim.sh [BUILD_DIR] [FIRST_SEED] [LAST_SEED] [WEAK_KEYS] [JOBS]
# More options for keyslinger-sim (--no-words, --days N) may be given in SIM_ARGS.
# Prints per weak key the practice chances per minute over the levels', seed by seed with their
# distribution (least, quartiles, most) and whether every seed reaches 3, three ways: over the
# drills and the runs of the level that introduces the key begun while the records did not show
# it mastered (the time each way spends teaching it); over the whole time each way takes until
# the keys of levels 1 to 4 are mastered (the drills with the key in the set, the level runs from
# its level on); and practice's whole time over its level's runs alone (practice moves on from a
# key once it is mastered, the level does not);
# the minutes each way took to master levels 1 to 4 and whether practice was faster on every
# seed; the reviews passed and failed, the share of the chances from word waves, and
# the drills whose runner-up was there only by slips onto it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
first="${2:-1}"
last="${3:-20}"
weak="${4:-g,h}"
jobs="${5:-2}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
seq "$first" "$last" | xargs -P "$jobs" -I{} sh -c \
  "'$build/game/keyslinger-sim' '$here/content' --practice --weak '$weak' --seed {} --json --runs 1 ${SIM_ARGS:-} > '$out/{}.json'"
python3 - "$out" "$first" "$last" "$weak" <<'PY'
import json, sys
folder, first, last, weak = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4].split(",")
seeds = list(range(first, last + 1))
runs = [json.load(open(f"{folder}/{s}.json")) for s in seeds]

def spread(values):
    v = sorted(values)
    def q(p):  # linear interpolation between the closest ranks
        x = p * (len(v) - 1)
        i = int(x)
        return v[i] if i + 1 >= len(v) else v[i] + (v[i + 1] - v[i]) * (x - i)
    return f"min {v[0]:.2f}  q1 {q(0.25):.2f}  median {q(0.5):.2f}  q3 {q(0.75):.2f}  max {v[-1]:.2f}"

print(f"seeds {first} to {last}, weak {','.join(weak)}")
def ratios_of(key, practice, levels):
    return [r["keys"][key][practice] / r["keys"][key][levels]
            if r["keys"][key][levels] > 0 else float("inf") for r in runs]

readings = (
    ("unmastered_practice_per_minute", "unmastered_level_per_minute",
     "practice/its level chances per minute, both while not mastered"),
    ("practice_per_minute", "levels_on_per_minute",
     "practice/the levels from its own on, both until levels 1-4 are mastered"),
    ("practice_per_minute", "level_per_minute",
     "practice until levels 1-4 are mastered/its level"),
)
for key in weak:
    for practice, levels, what in readings:
        ratios = ratios_of(key, practice, levels)
        print(f"{key}: {what}: " + " ".join(f"{x:.2f}" for x in ratios))
        print(f"   {spread(ratios)}; at least 3 on every seed: {'yes' if min(ratios) >= 3 else 'NO'}")
minutes = {way: [r["minutes_to_master"][way] for r in runs] for way in ("practice", "levels")}
for way, m in minutes.items():
    known = [x for x in m if x is not None]
    print(f"minutes to master levels 1-4, {way}: " + " ".join("-" if x is None else f"{x:.1f}" for x in m))
    if known:
        print(f"   {spread(known)}")
faster = all(p is not None and (l is None or p < l) for p, l in zip(minutes["practice"], minutes["levels"]))
print(f"practice faster than the levels on every seed: {'yes' if faster else 'NO'}")
passed = [r["reviews"]["passed"] for r in runs]
failed = [r["reviews"]["failed"] for r in runs]
print("reviews passed per seed: " + " ".join(map(str, passed)))
print("reviews failed per seed: " + " ".join(map(str, failed)))
share = [r["word_letter_share"] for r in runs]
print(f"share of the chances from word waves: {spread(share)}")
slipped = [r["runner_up"]["only_slipped_onto"] for r in runs]
print("drills whose runner-up was there only by slips onto it, per seed: " + " ".join(map(str, slipped)))
keys = {}
for r in runs:
    for k, n in r["runner_up"]["keys"].items():
        keys[k] = keys.get(k, 0) + n
print("runner-up keys over all drills: " + " ".join(f"{k}:{n}" for k, n in sorted(keys.items(), key=lambda x: -x[1])))
PY
