// SPDX-License-Identifier: GPL-3.0-or-later
// Chances at key positions as practice counts them, from the shots of the progress records.
#include "practice/practice_chances.h"

std::vector<PracticeChance> ChancesOf(const std::vector<PracticeShot>& shots) {
  std::vector<PracticeChance> chances;
  chances.reserve(shots.size());
  for (const PracticeShot& shot : shots) {
    if (shot.result == "POINT") {
      if (!shot.position.empty()) chances.push_back({shot.position, true, shot.reactionMs, false, shot.runId});
    } else if (shot.result == "LOST") {
      if (!shot.position.empty()) chances.push_back({shot.position, false, std::nullopt, false, shot.runId});
    } else if (shot.result == "MISS" && !shot.endPhase) {
      if (!shot.position.empty()) chances.push_back({shot.position, false, std::nullopt, false, shot.runId});
      // A slip onto the aimed key itself is already its chance.
      if (!shot.aimedAt.empty() && shot.aimedAt != shot.position) {
        chances.push_back({shot.aimedAt, false, std::nullopt, true, shot.runId});
      }
    }
  }
  return chances;
}
