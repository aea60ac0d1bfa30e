// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the level checker over any Map.ini, Script.ini and Object.ini text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_check_game.h"
#include "design/level_check.h"

// The input is the three files' text separated by 0x01 bytes; missing parts keep the valid file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_check::Reset();
  fuzz_check::WriteIniFiles(data, size);
  const CheckReport report = CheckGame(fuzz_check::GameDir(), {"Level1"});
  for (const CheckIssue& issue : report.Issues()) {
    if (issue.line < 0 || issue.path.empty() || issue.message.empty()) abort();
    FormatIssue(issue);
  }
  return 0;
}
