// SPDX-License-Identifier: GPL-3.0-or-later
// Problems found in a game folder, each tied to a file and a line, as the level checker prints them.
#pragma once
#include <string>
#include <vector>

enum class Severity { Warning, Error };

struct CheckIssue {
  std::string path;
  int line = 0;  // 1-based; 0 when the problem concerns the file as a whole
  Severity severity = Severity::Error;
  std::string message;
};

// "path:line: error: message" or "path:line: warning: message".
std::string FormatIssue(const CheckIssue& issue);

// One place's letter and the character the player types for it.
struct LetterNote {
  std::string path;
  int line = 0;
  std::string place;
  std::string letter;   // as Map.ini writes it
  std::string becomes;  // what the tag shows lower-cased and typing compares with
};

// "path:line: [place] letter -> becomes".
std::string FormatLetterNote(const LetterNote& note);

class CheckReport {
public:
  void Letter(LetterNote note) { letters_.push_back(std::move(note)); }
  const std::vector<LetterNote>& Letters() const { return letters_; }
  void Error(const std::string& path, int line, const std::string& message) {
    issues_.push_back({path, line, Severity::Error, message});
  }
  void Warning(const std::string& path, int line, const std::string& message) {
    issues_.push_back({path, line, Severity::Warning, message});
  }
  const std::vector<CheckIssue>& Issues() const { return issues_; }
  int ErrorCount() const;
  int WarningCount() const;

private:
  std::vector<CheckIssue> issues_;
  std::vector<LetterNote> letters_;
};
