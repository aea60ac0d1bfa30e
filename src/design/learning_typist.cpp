// SPDX-License-Identifier: GPL-3.0-or-later
// A typist who learns: per-key reaction and accuracy that improve with the chances at a key.
#include "design/learning_typist.h"

#include "design/word_drill_sim.h"
#include "level/level_play.h"
#include "targets/bot_image.h"
#include "words/word_list.h"
#include "words/word_typing.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr uint8_t kEnemy = 0;
constexpr uint8_t kCivilian = 1;
constexpr double kLetterSpread = 0.25;  // of a letter's time in a word, as in the word drills
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

void LearningTypist::BeginRun() {
  plan_.Clear();
  found_.clear();
  word_ = {};
  nextWordMs_ = 0;
}

void LearningTypist::Aimed(const std::string& key, bool right) {
  std::deque<bool>& aims = log_[key].aims;
  aims.push_back(right);
  if (aims.size() > kAimsKept) aims.pop_front();
}

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
  if (play.Drill().InWordWave()) {
    // Only enemies carry words; the word itself is given as the figure appears.
    if (actor.Character != kEnemy) return;
    found_.push_back({place, spawn, nowMs + draws_.LogNormalMs(base_.reactionMedianMs, base_.reactionSpread), {}});
    return;
  }
  const std::string key = AimedPosition(play, place);
  // The same draws for every figure, so a civilian left alone does not shift later draws.
  const bool mistake = draws_.Chance(base_.civilianChance);
  const int64_t reaction = draws_.LogNormalMs(MedianMs(key), base_.reactionSpread);
  const bool late = draws_.Chance(LateChance(key));
  if (actor.Character == kCivilian && !mistake) return;
  if (actor.Character != kCivilian) ++experience[key];
  if (late) return;  // it comes too late: the figure acts (OnLost counts it)
  plan_.Plan(nowMs + reaction, place, spawn);
}

void LearningTypist::OnLost(size_t place, const LevelPlay& play) {
  // Word figures are counted as their words were typed (PressWord); a letter figure still
  // standing when a word wave began is lost at its key like any other.
  if (play.Drill().WordAt(place)) return;
  const std::string key = AimedPosition(play, place);
  if (!key.empty()) Aimed(key, false);
}

int64_t LearningTypist::NextPressMs() const {
  const int64_t letter = plan_.NextPressMs(base_.minGapMs);
  const int64_t word = NextWordPressMs();
  if (letter < 0) return word;
  if (word < 0) return letter;
  return std::min(letter, word);
}

bool LearningTypist::StillStanding(const LevelPlay& play, size_t place, int32_t spawn) const {
  const auto& places = play.Stage().Places();
  if (place >= places.size() || plan_.SpawnAt(place) != spawn) return false;
  const TbotImage* actor = places[place].actor;
  return actor && Shootable(*actor) && play.Drill().WordAt(place);
}

int64_t LearningTypist::LetterGapMs(const std::string& from, const std::string& to) {
  // A key far from practised is found slowly in a word too, in proportion to its reaction.
  const double slowness = MedianMs(to) / model_.practisedMedianMs;
  return draws_.LogNormalMs(base_.pairMedianMs * WordPairFactor(from, to) * slowness, kLetterSpread);
}

int64_t LearningTypist::NextWordPressMs() const {
  if (word_.active) return word_.atMs;
  int64_t first = -1;
  for (const FoundFigure& figure : found_) {
    if (first < 0 || figure.foundMs < first) first = figure.foundMs;
  }
  return first < 0 ? -1 : std::max(first, nextWordMs_);
}

std::string LearningTypist::PressWord(int64_t nowMs, const LevelPlay& play) {
  const WordTyping* typing = play.Drill().Typing();
  // A letter may have locked another figure than meant (its word starts alike and came up
  // first): the typist follows the lock, as the plaque shows it.
  if (typing && typing->Locked() && word_.active && static_cast<int>(word_.place) != *typing->Locked()) {
    word_.place = static_cast<size_t>(*typing->Locked());
    word_.spawn = plan_.SpawnAt(word_.place);
    word_.letter = typing->TypedLetters(*typing->Locked());
    word_.retry = false;
  }
  for (FoundFigure& figure : found_) {
    if (figure.keys.empty() && StillStanding(play, figure.place, figure.spawn)) {
      figure.keys = play.Drill().WordAt(figure.place)->keys;
    }
  }
  // A figure that went unshot counts as the records count it: at the letter its word was stuck
  // at when the typist had begun it, else at no key.
  found_.erase(std::remove_if(found_.begin(), found_.end(),
                              [&](const FoundFigure& f) {
                                if (StillStanding(play, f.place, f.spawn)) return false;
                                const bool begun = word_.active && word_.place == f.place && word_.spawn == f.spawn &&
                                                   word_.letter > 0;
                                if (begun && word_.letter < f.keys.size()) Aimed(f.keys[word_.letter], false);
                                return true;
                              }),
               found_.end());
  if (word_.active && !StillStanding(play, word_.place, word_.spawn)) word_.active = false;
  if (!word_.active) {
    // The figure that came up first among those found by now.
    const FoundFigure* next = nullptr;
    for (const FoundFigure& figure : found_) {
      if (figure.foundMs <= nowMs && (!next || figure.spawn < next->spawn)) next = &figure;
    }
    if (!next) return "";
    word_ = {true, next->place, next->spawn, 0, false, nowMs};
  }
  const DrillWord& word = *play.Drill().WordAt(word_.place);
  const std::optional<std::u32string> letters = DecodeUtf8(word.text);
  if (!letters || word_.letter >= word.keys.size() || word_.letter >= letters->size()) {
    word_.active = false;
    return "";
  }
  const std::string key = word.keys[word_.letter];
  plan_.Pressed(nowMs);
  if (!word_.retry) ++experience[key];
  if (draws_.Chance(WrongChance(key))) {
    // The finger lands beside the key; the typist sees it and types the letter again.
    const std::string wrong = NeighbourKey(key, random_);
    Aimed(key, false);
    ++log_[wrong].slipsOnto;
    word_.retry = true;
    word_.atMs = nowMs + base_.minGapMs;
    return wrong;
  }
  Aimed(key, true);
  word_.retry = false;
  const std::string typed = EncodeUtf8(letters->substr(word_.letter, 1));
  if (++word_.letter >= word.keys.size()) {
    word_.active = false;
    found_.erase(std::remove_if(found_.begin(), found_.end(),
                                [&](const FoundFigure& f) { return f.place == word_.place && f.spawn == word_.spawn; }),
                 found_.end());
    nextWordMs_ = nowMs + base_.minGapMs;
  } else {
    word_.atMs = nowMs + LetterGapMs(key, word.keys[word_.letter]);
  }
  return typed;
}

std::string LearningTypist::Press(int64_t nowMs, const LevelPlay& play) {
  const int64_t word = NextWordPressMs();
  if (word >= 0 && word <= nowMs) {
    const std::string typed = PressWord(nowMs, play);
    if (!typed.empty() || NextWordPressMs() != word) return typed;
  }
  const int64_t letterAt = plan_.NextPressMs(base_.minGapMs);
  if (letterAt < 0 || letterAt > nowMs) return "";
  const std::optional<size_t> place = plan_.TakeNext(play);
  if (!place) return "";
  const std::string key = AimedPosition(play, *place);
  if (key.empty()) return "";
  // A townsperson shot by mistake is no chance at its key, in the records or here.
  const TbotImage* actor = play.Stage().Places()[*place].actor;
  const bool chance = !actor || actor->Character != kCivilian;
  plan_.Pressed(nowMs);
  if (draws_.Chance(WrongChance(key))) {
    // The finger lands beside the key; the typist sees it and tries again.
    plan_.Retry(nowMs, base_.minGapMs);
    const std::string wrong = NeighbourKey(key, random_);
    if (chance) Aimed(key, false);
    ++log_[wrong].slipsOnto;
    return wrong;
  }
  if (chance) Aimed(key, true);
  return key;
}
