#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Derives content/words/<lang>.ranks, the commonness ranks of short words, from the unigram counts
# of Debian's onboard-data package (its .lm files, GPL-3+).
#
#   apt-get download onboard-data && dpkg-deb -x onboard-data_*.deb od
#   tools/words/derive_word_ranks.py od/usr/share/onboard/models content/words
#
# A word's rank is its place among the model's entries made of letters only (case kept as the
# model writes it: German nouns capitalised), by count, most common first. Only words of 2 to 6
# letters are written (the only ones a plaque carries), up to rank MAX_RANK.
import os
import sys

MODELS = {"en": "en_US.lm", "de": "de_DE.lm", "fr": "fr_FR.lm", "es": "es_ES.lm"}
MAX_RANK = 50000


def unigrams(path):
    counts = {}
    inside = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("\\1-grams:"):
                inside = True
                continue
            if inside and line.startswith("\\"):
                break
            if not inside or not line:
                continue
            count, _, word = line.partition(" ")
            if not word.isalpha():
                continue
            counts[word] = counts.get(word, 0) + int(count)
    return counts


def main():
    models, out = sys.argv[1], sys.argv[2]
    for code, name in MODELS.items():
        counts = unigrams(os.path.join(models, name))
        ranked = sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))
        with open(os.path.join(out, code + ".ranks"), "w", encoding="utf-8") as f:
            f.write("# Commonness ranks of %s words, derived by tools/words/derive_word_ranks.py from\n" % code)
            f.write("# Debian's onboard-data 1.4.1 (%s, GPL-3+). Lines: rank word.\n" % name)
            for rank, (word, _) in enumerate(ranked[:MAX_RANK], start=1):
                if 2 <= len(word) <= 6:
                    f.write("%d %s\n" % (rank, word))


if __name__ == "__main__":
    main()
