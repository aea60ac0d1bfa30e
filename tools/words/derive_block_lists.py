#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Derives src/words/words_blocked_lists.cpp, the maintained part of the word drills' block lists,
# from the npm package naughty-words (CC-BY-4.0).
#
#   npm pack naughty-words && tar xzf naughty-words-*.tgz
#   tools/words/derive_block_lists.py package src/words/words_blocked_lists.cpp
#
# Single-word entries of letters only are taken, lower-cased; phrases are left out (their rude
# words are single entries of their own). Our own entries live in src/words/words_language.cpp.
import json
import os
import sys

LANGUAGES = [("en", "English"), ("de", "German"), ("fr", "French"), ("es", "Spanish")]


def main():
    package, out = sys.argv[1], sys.argv[2]
    version = json.load(open(os.path.join(package, "package.json"), encoding="utf-8"))["version"]
    lines = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "// Rude words of each language from the naughty-words package %s (CC-BY-4.0, see" % version,
        "// content/words/SOURCES.md); written by tools/words/derive_block_lists.py, not by hand.",
        '#include "words/words_blocked_lists.h"',
        "",
        "const std::vector<std::string_view>& MaintainedBlockedWords(WordLanguage language) {",
    ]
    for code, name in LANGUAGES:
        entries = json.load(open(os.path.join(package, code + ".json"), encoding="utf-8"))
        words = sorted({e.lower() for e in entries if " " not in e and e.isalpha()})
        lines.append("  static const std::vector<std::string_view> %s = {" % code)
        row = "     "
        for w in words:
            item = ' "%s",' % w
            if len(row) + len(item) > 118:
                lines.append(row)
                row = "     "
            row += item
        lines.append(row)
        lines.append("  };")
    lines.append("  switch (language) {")
    for code, name in LANGUAGES:
        lines.append("    case WordLanguage::%s: return %s;" % (name, code))
    lines.append("  }")
    lines.append("  return en;")
    lines.append("}")
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
