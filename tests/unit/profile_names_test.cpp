// SPDX-License-Identifier: GPL-3.0-or-later
// Which names the profile dialog accepts as profiles.
#include "profiles/profile_names.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileNames, AcceptsNamesAnIniFileCanHoldAndRefusesTheRestWithAReason) {
  struct Case {
    std::string name;
    bool accepted;
    std::string reasonPart;
  };
  const Case cases[] = {
      {"Anna", true, ""},
      {"Anna Maria", true, ""},
      {"curplayers", true, ""},
      {"J\xC3\xB6rg", true, ""},
      {"   ", false, "empty"},
      {"\t", false, "empty"},
      {"[Anna", false, "\"[\" or \"]\""},
      {"An]na", false, "\"[\" or \"]\""},
      {"An\nna", false, "line break"},
      {"Anna\r", false, "line break"},
      {" Anna", false, "blank"},
      {"Anna ", false, "blank"},
      {"curplayer", false, "reserved"},
      {"CurPlayer", false, "reserved"},
      {"CURPLAYER", false, "reserved"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string problem = ProfileNameProblem(c.name);
    EXPECT_EQ(problem.empty(), c.accepted);
    if (!c.accepted) {
      EXPECT_NE(problem.find(c.reasonPart), std::string::npos) << problem;
    }
  }
}

}  // namespace
