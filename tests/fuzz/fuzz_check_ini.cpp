// Fuzz target: the level checker over any Map.ini, Script.ini and Object.ini text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_check_game.h"
#include "design/level_check.h"

// The input is the three files' text separated by 0x01 bytes; missing parts keep the valid file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz_check::Reset();
  const std::string input(reinterpret_cast<const char*>(data), size);
  const char* const files[] = {"/Maps/Level1/Map.ini", "/Maps/Level1/Script.ini", "/Objects/A/Object.ini"};
  size_t start = 0;
  for (const char* file : files) {
    if (start > input.size()) break;
    size_t end = input.find('\x01', start);
    if (end == std::string::npos) end = input.size();
    fuzz_check::Write(fuzz_check::GameDir() + file, input.substr(start, end - start));
    start = end + 1;
  }
  const CheckReport report = CheckGame(fuzz_check::GameDir(), {"Level1"});
  for (const CheckIssue& issue : report.Issues()) {
    if (issue.line < 0 || issue.path.empty() || issue.message.empty()) abort();
    FormatIssue(issue);
  }
  return 0;
}
