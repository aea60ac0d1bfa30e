// SPDX-License-Identifier: GPL-3.0-or-later
// Problems found in a game folder: formatting and counting.
#include "design/check_report.h"

#include <algorithm>

std::string FormatIssue(const CheckIssue& issue) {
  return issue.path + ":" + std::to_string(issue.line) + ": " +
         (issue.severity == Severity::Error ? "error: " : "warning: ") + issue.message;
}

int CheckReport::ErrorCount() const {
  return static_cast<int>(std::count_if(issues_.begin(), issues_.end(),
                                        [](const CheckIssue& i) { return i.severity == Severity::Error; }));
}

int CheckReport::WarningCount() const { return static_cast<int>(issues_.size()) - ErrorCount(); }

std::string FormatLetterNote(const LetterNote& note) {
  return note.path + ":" + std::to_string(note.line) + ": [" + note.place + "] " + note.letter + " -> " + note.becomes;
}
