// SPDX-License-Identifier: GPL-3.0-or-later
// Which profile names Player.ini can hold as a section name.
#include "profiles/profile_names.h"

#include "platform/text_case.h"

namespace {
bool IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string ProfileNameProblem(std::string_view name) {
  bool allBlank = true;
  for (unsigned char c : name) allBlank = allBlank && IsBlank(c);
  if (allBlank) return "A profile name cannot be empty.";
  for (unsigned char c : name) {
    if (c == '\r' || c == '\n') return "A profile name cannot contain a line break.";
    if (c < 0x20 || c == 0x7F) return "A profile name cannot contain control characters.";
    if (c == '[' || c == ']') return "A profile name cannot contain \"[\" or \"]\".";
  }
  if (IsBlank(static_cast<unsigned char>(name.front())) ||
      IsBlank(static_cast<unsigned char>(name.back())))
    return "A profile name cannot begin or end with a blank.";
  if (EqualsNoCaseAscii(name, "curplayer")) return "The name curplayer is reserved.";
  return {};
}
