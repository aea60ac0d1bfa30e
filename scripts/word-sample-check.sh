#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the words practice puts on plaques for a key set against the word list: the share of
# words found in the list (at least 90 %), that every word uses only the set's keys, the share of
# words with the focus key (more than half), and that the focus key is the commonest letter.
# Usage: scripts/word-sample-check.sh [SIM] [KEYS] [N]
#   SIM   the simulator; default: build/game/keyslinger-sim
#   KEYS  US key positions, the first the focus key; default: asdfjklghtyrueiw
#   N     words sampled; default: 1000
# English words on the us layout, checked against /usr/share/dict/american-english (wamerican).
set -euo pipefail
sim=${1:-build/game/keyslinger-sim}
keys=${2:-asdfjklghtyrueiw}
n=${3:-1000}
list=/usr/share/dict/american-english
[[ -r $list ]] || { echo "no $list: install wamerican" >&2; exit 77; }
sample=$(mktemp)
trap 'rm -f "$sample"' EXIT
"$sim" . --word-sample "$keys" --lang en --layout us -n "$n" >"$sample"
focus=${keys:0:1}
LC_ALL=C awk -v keys="$keys" -v focus="$focus" -v list="$list" '
  BEGIN { while ((getline w < list) > 0) inlist[w] = 1 }
  {
    words++
    if ($0 in inlist) found++
    bad = 0
    for (i = 1; i <= length($0); i++) {
      c = substr($0, i, 1)
      if (index(keys, c) == 0) bad = 1
      count[c]++
    }
    if (bad) outside++
    if (index($0, focus) > 0) withFocus++
  }
  END {
    top = ""; for (c in count) if (top == "" || count[c] > count[top]) top = c
    printf "words sampled:              %d\n", words
    printf "in the word list:           %.1f %%\n", 100 * found / words
    printf "with a key outside the set: %d\n", outside
    printf "with the focus key %s:       %.1f %%\n", focus, 100 * withFocus / words
    printf "commonest letter:           %s (%d), focus key %s (%d)\n", top, count[top], focus, count[focus]
    ok = found / words >= 0.9 && outside == 0 && withFocus * 2 > words && top == focus
    print ok ? "PASS" : "FAIL"
    exit ok ? 0 : 1
  }' "$sample"
