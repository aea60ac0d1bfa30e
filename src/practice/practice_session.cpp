// SPDX-License-Identifier: GPL-3.0-or-later
// One learner's way through practice: the card before a drill and the results after it.
#include "practice/practice_session.h"

#include <algorithm>

#include "practice/drill_words.h"
#include "practice/practice_store.h"
#include "words/words_source.h"
#include "progress/progress_database.h"
#include "core/level_counters.h"

const PracticeKeyView* PracticeCardView::Find(const std::string& position) const {
  auto it = std::find_if(keys.begin(), keys.end(),
                         [&](const PracticeKeyView& k) { return k.position == position; });
  return it == keys.end() ? nullptr : &*it;
}

PracticeSession::PracticeSession(PracticeSetup setup, Random& random)
    : setup_(std::move(setup)), random_(random) {}

PracticeSession::~PracticeSession() = default;

void PracticeSession::Open() {
  if (store_) return;
  auto db = std::make_unique<ProgressDatabase>(setup_.dbPath, setup_.access);
  db->Open();
  db_ = std::move(db);
  store_ = std::make_unique<PracticeStore>(*db_);
}

std::vector<std::string> PracticeSession::UsablePositions() const {
  std::vector<std::string> positions;
  for (const KeyIntroduction& key : usable_.keys) positions.push_back(key.position);
  return positions;
}

std::string PracticeSession::Typed(const std::string& position) const {
  const std::string typed = TypedCharacter(position, setup_.layout ? &*setup_.layout : nullptr);
  return typed.empty() ? position : typed;
}

void PracticeSession::FillCard(const PracticeState& state,
                               const std::map<std::string, KeyMastery>& mastery) {
  const DrillPlan& plan = drill_->Plan();
  card_ = {};
  card_.targetMs = targets_.reactionMs;
  card_.typingTargetMs = targets_.typingMs;
  card_.focus = plan.focus;
  card_.newKey = plan.newKey;
  card_.newKeyFinger = plan.newKey.empty() ? Finger::None : FingerOf(plan.newKey);
  card_.due = plan.due;
  card_.leftOut = usable_.leftOut;
  card_.wordWaves = drill_->WordWaveCount();
  if (setup_.words && card_.wordWaves > 0) {
    card_.madeUpWords = setup_.words->builtInOnly;
    card_.englishWords = !card_.madeUpWords && setup_.words->englishInstead;
    card_.wordPackage = setup_.words->Package();
  }
  for (const std::string& position : plan.keys) {
    PracticeKeyView key;
    key.position = position;
    key.typed = Typed(position);
    if (auto it = mastery.find(position); it != mastery.end()) key.mastery = it->second;
    key.mastery.position = position;
    if (const KeyProgress* progress = state.Find(position)) {
      key.mastered = progress->mastered;
      key.due = IsDue(*progress, day_);
      key.dueDay = progress->dueDay;
    }
    card_.keys.push_back(std::move(key));
  }
  // Far slower: the median of the focus key's times is twice its target or more, over enough hits
  // to tell.
  constexpr int kHitsToTell = 10;
  constexpr int64_t kFarPerMille = 2000;
  if (const PracticeKeyView* focus = card_.Find(card_.focus)) {
    const KeyMastery& m = focus->mastery;
    card_.farFromTarget = m.hits >= kHitsToTell && m.speedPerMille && *m.speedPerMille >= kFarPerMille;
  }
}

const PracticeCardView& PracticeSession::Prepare() {
  Open();
  // The levels and the layout are read anew for every drill: a designer may have changed the
  // one and the player switched the other.
  usable_ = UsableKeysOf(KeyIntroductions(setup_.appDir, setup_.lastLevel),
                         setup_.layout ? &*setup_.layout : nullptr);
  day_ = setup_.today ? setup_.today() : 0;
  targets_ = store_->Targets(setup_.profile);
  PracticeState state = store_->LoadState(setup_.profile);
  const std::map<std::string, KeyMastery> mastery =
      store_->LoadMastery(setup_.profile, UsablePositions(), targets_);
  Settle(state, usable_, mastery, day_);
  store_->SaveState(setup_.profile, state);
  drill_.reset();
  drill_ = std::make_unique<PracticeDrill>(
      ComposeDrill(setup_.appDir, state, usable_, mastery, day_, random_, setup_.lastLevel),
      setup_.scriptPath);
  if (setup_.words) {
    std::vector<PairSample> pairTimes;
    try {
      pairTimes = db_->LoadPairTimes(setup_.profile);
    } catch (const ProgressError&) {
      // Words do without the slow pairs: the rest of the records could be read.
    }
    EnableDrillWords(*drill_, *setup_.words, setup_.layout, pairTimes);
  }
  FillCard(state, mastery);
  return card_;
}

void PracticeSession::ChangeTarget(SpeedTarget which, int steps) {
  if (!store_ || !drill_) return;
  if (which == SpeedTarget::Typing) {
    targets_.typingMs = AdjustTypingTarget(targets_.typingMs, steps);
    store_->SetTypingTargetMs(setup_.profile, targets_.typingMs);
  } else {
    targets_.reactionMs = AdjustTarget(targets_.reactionMs, steps);
    store_->SetTargetMs(setup_.profile, targets_.reactionMs);
  }
  // The drill stays as composed; the card shows the keys judged by the new targets.
  const PracticeState state = store_->LoadState(setup_.profile);
  FillCard(state, store_->LoadMastery(setup_.profile, UsablePositions(), targets_));
}

std::optional<int> PracticeResultView::AccuracyPercent() const {
  // Counters are never negative in play; a wrapped one counts as none rather than skew the sum.
  const auto count = [](int32_t n) { return static_cast<int64_t>(std::max<int32_t>(n, 0)); };
  const int64_t chances = count(hits) + count(misses) + count(townsfolkShot) + count(enemiesLost);
  if (chances == 0) return std::nullopt;
  return static_cast<int>(count(hits) * 100 / chances);
}

const PracticeResultView& PracticeSession::Finish(const LevelCounters& counters,
                                                  const std::optional<WordSpeed>& words) {
  Open();
  results_ = {};
  results_.hits = counters.Hits;
  results_.misses = counters.Misses;
  results_.townsfolkShot = counters.Civilians;
  results_.enemiesLost = counters.Lost;
  if (words) {
    results_.wordsPerMinute = words->wordsPerMinute;
    if (words->lettersTyped > 0) results_.wordAccuracy = words->accuracy;
  }
  // The day the drill ends on is the day its reviews count for.
  day_ = setup_.today ? setup_.today() : day_;
  PracticeState state = store_->LoadState(setup_.profile);
  const std::vector<PracticeChance> chances =
      store_->RunChances(store_->LatestRunId(setup_.profile, 0));
  const std::map<std::string, KeyMastery> mastery =
      store_->LoadMastery(setup_.profile, UsablePositions(), targets_);
  results_.events = AfterPractice(state, usable_, mastery, chances, day_, targets_);
  store_->SaveState(setup_.profile, state);

  for (const KeyProgress& progress : state.keys) {
    const auto usableNow =
        std::find_if(usable_.keys.begin(), usable_.keys.end(),
                     [&](const KeyIntroduction& k) { return k.position == progress.position; });
    if (usableNow == usable_.keys.end()) continue;
    PracticeResultKey key;
    key.position = progress.position;
    key.typed = Typed(progress.position);
    if (const PracticeKeyView* before = card_.Find(progress.position)) {
      key.before = before->mastery.score;
      key.masteredBefore = before->mastered;
    }
    if (auto it = mastery.find(progress.position); it != mastery.end())
      key.after = it->second.score;
    key.masteredAfter = progress.mastered;
    if (progress.mastered) key.nextReviewDay = progress.dueDay;
    key.chances = static_cast<int>(
        std::count_if(chances.begin(), chances.end(),
                      [&](const PracticeChance& c) { return c.position == progress.position; }));
    results_.keys.push_back(std::move(key));
  }
  if (!results_.events.joined.empty()) {
    const std::string& joined = results_.events.joined.back();
    results_.joinedTyped = Typed(joined);
    results_.joinedFinger = FingerOf(joined);
  }
  return results_;
}
