// SPDX-License-Identifier: GPL-3.0-or-later
// A typist who learns: per-key reaction and accuracy that improve with the chances at a key.
#include "design/learning_typist.h"

#include "level/level_play.h"
#include "targets/bot_image.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr uint8_t kCivilian = 1;
const char* const kRows[] = {"1234567890-=", "qwertyuiop[]", "asdfghjkl;'", "zxcvbnm,./"};
}  // namespace

std::string AimedPosition(const LevelPlay& play, size_t place) {
  if (play.Drill().Source()) return place < play.Drill().Positions().size() ? play.Drill().Positions()[place] : "";
  return TypedLetterOf(play, place);
}

std::string NeighbourKey(const std::string& position, Random& random) {
  for (const char* row : kRows) {
    const std::string r = row;
    const size_t at = position.size() == 1 ? r.find(position[0]) : std::string::npos;
    if (at == std::string::npos) continue;
    const bool left = at > 0 && (at + 1 >= r.size() || random.Below(2) == 0);
    return std::string(1, r[left ? at - 1 : at + 1]);
  }
  return "`";
}

LearningTypist::LearningTypist(TypistProfile base, LearningModel model, std::set<std::string> weak, uint64_t seed)
    : base_(std::move(base)), model_(model), weak_(std::move(weak)), random_(seed), draws_(random_) {}

void LearningTypist::BeginRun() { plan_.Clear(); }

double LearningTypist::Left(const std::string& key) const {
  auto it = experience.find(key);
  const int n = it == experience.end() ? 0 : it->second;
  return std::exp(-static_cast<double>(n) / model_.learnChances);
}

double LearningTypist::MedianMs(const std::string& key) const {
  const double start = base_.reactionMedianMs + (weak_.count(key) ? model_.weakExtraMs : 0.0);
  return model_.practisedMedianMs + (std::max(start, model_.practisedMedianMs) - model_.practisedMedianMs) * Left(key);
}

double LearningTypist::WrongChance(const std::string& key) const {
  const double start = weak_.count(key) ? model_.weakWrongChance : base_.wrongKeyChance;
  return model_.practisedWrongChance + std::max(0.0, start - model_.practisedWrongChance) * Left(key);
}

double LearningTypist::LateChance(const std::string& key) const {
  return weak_.count(key) ? model_.weakLateChance * Left(key) : 0.0;
}

void LearningTypist::OnSpawn(int64_t nowMs, const TbotImage& actor, size_t place, const LevelPlay& play) {
  const int32_t spawn = plan_.Spawned(place);
  const std::string key = AimedPosition(play, place);
  // The same draws for every figure, so a civilian left alone does not shift later draws.
  const bool mistake = draws_.Chance(base_.civilianChance);
  const int64_t reaction = draws_.LogNormalMs(MedianMs(key), base_.reactionSpread);
  const bool late = draws_.Chance(LateChance(key));
  if (actor.Character == kCivilian && !mistake) return;
  if (actor.Character != kCivilian) ++experience[key];
  if (late) return;  // it comes too late: the figure acts
  plan_.Plan(nowMs + reaction, place, spawn);
}

int64_t LearningTypist::NextPressMs() const { return plan_.NextPressMs(base_.minGapMs); }

std::string LearningTypist::Press(int64_t nowMs, const LevelPlay& play) {
  const std::optional<size_t> place = plan_.TakeNext(play);
  if (!place) return "";
  const std::string key = AimedPosition(play, *place);
  if (key.empty()) return "";
  plan_.Pressed(nowMs);
  if (draws_.Chance(WrongChance(key))) {
    // The finger lands beside the key; the typist sees it and tries again.
    plan_.Retry(nowMs, base_.minGapMs);
    return NeighbourKey(key, random_);
  }
  return key;
}
