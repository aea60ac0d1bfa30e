// SPDX-License-Identifier: GPL-3.0-or-later
// The headless word wave: figures with words, a modelled typist, the word-typing rules, the records.
#include "design/word_drill_sim.h"

#include "words/word_typing.h"
#include "words/words_choice.h"

#include <algorithm>
#include <map>

int FingerOfKey(const std::string& key) {
  static const std::map<std::string, int> fingers = [] {
    const char* const columns[8] = {"`1qaz", "2wsx", "3edc", "4rfv5tgb", "6yhn7ujm", "8ik,", "9ol.", "0p;/-['=]\\"};
    std::map<std::string, int> table;
    for (int finger = 0; finger < 8; ++finger) {
      for (const char* c = columns[finger]; *c; ++c) table[std::string(1, *c)] = finger;
    }
    return table;
  }();
  auto it = fingers.find(key);
  return it == fingers.end() ? -1 : it->second;
}

double WordPairFactor(const std::string& from, const std::string& to) {
  if (from == to) return 1.0;
  const int a = FingerOfKey(from), b = FingerOfKey(to);
  if (a < 0 || b < 0) return 1.15;
  if (a == b) return 1.6;
  if ((a < 4) == (b < 4)) return 1.15;
  return 0.85;
}

namespace {

constexpr int64_t kDrainMs = 30000;  // after the drill, time for the last figures to go

struct SimFigure {
  int id = 0;
  ChosenWord word;
  bool enemy = true;
  bool aimed = true;  // the typist means to type its word
  int64_t seenMs = 0;  // when the typist has found it
  int64_t actsMs = 0;
};

}  // namespace

WordDrillResult SimulateWordDrill(const TypistProfile& typist, WordChooser& chooser, const WordDrillSettings& settings,
                                  uint64_t seed) {
  Random random(seed);
  TypistDraws draws(random);
  WordTyping typing;
  WordReadyClock ready;
  WordDrillResult result;
  std::vector<SimFigure> figures;
  std::vector<ChosenWord> queue;
  std::map<std::string, std::string> keyOfText;  // typed character -> key, for slips
  int nextId = 0;
  int64_t nextSpawnMs = 0;
  int64_t lastPressMs = -1;
  std::string lastKey;
  // The press the typist has planned: at planMs, letter planLetter of figure planFigure.
  int planFigure = -1;
  size_t planLetter = 0;
  int64_t planMs = -1;

  auto findFigure = [&](int id) -> SimFigure* {
    auto it = std::find_if(figures.begin(), figures.end(), [&](const SimFigure& f) { return f.id == id; });
    return it == figures.end() ? nullptr : &*it;
  };
  auto pairMs = [&](const std::string& from, const std::string& to) {
    return draws.LogNormalMs(typist.pairMedianMs * WordPairFactor(from, to), 0.25);
  };

  for (int64_t now = 0; now <= settings.drillMs + kDrainMs; ++now) {
    // Figures whose time is up act and can no longer be shot.
    for (auto it = figures.begin(); it != figures.end();) {
      if (it->actsMs > now) {
        ++it;
        continue;
      }
      if (it->enemy) ++result.enemiesLost;
      typing.FigureGone(it->id);
      if (planFigure == it->id) planFigure = -1;
      it = figures.erase(it);
    }
    if (now < settings.drillMs && now >= nextSpawnMs && static_cast<int>(figures.size()) < settings.maxFigures) {
      if (queue.empty()) {
        queue = chooser.Choose(settings.wordsPerDraw, random);
        std::reverse(queue.begin(), queue.end());
        for (const ChosenWord& word : queue) {
          const std::optional<std::u32string> letters = DecodeUtf8(word.text);
          for (size_t i = 0; letters && i < letters->size() && i < word.keys.size(); ++i) {
            keyOfText[EncodeUtf8(letters->substr(i, 1))] = word.keys[i];
          }
        }
      }
      if (queue.empty()) break;
      SimFigure figure;
      figure.id = nextId++;
      figure.word = std::move(queue.back());
      queue.pop_back();
      figure.enemy = settings.townspersonEvery <= 0 || (figure.id + 1) % settings.townspersonEvery != 0;
      const bool mistake = draws.Chance(typist.civilianChance);
      figure.aimed = figure.enemy || mistake;
      figure.seenMs = now + draws.LogNormalMs(typist.reactionMedianMs, typist.reactionSpread);
      figure.actsMs = now + settings.lifeBaseMs + settings.lifePerLetterMs * static_cast<int64_t>(figure.word.keys.size());
      if (figure.enemy) ++result.enemies;
      typing.FigureReady(figure.id, figure.word.text, figure.enemy);
      figures.push_back(std::move(figure));
      nextSpawnMs = now + settings.spawnGapMs;
    }
    // With no plan the typist turns to the figure it found first.
    if (planFigure < 0) {
      const SimFigure* next = nullptr;
      for (const SimFigure& figure : figures) {
        if (figure.aimed && (!next || figure.seenMs < next->seenMs)) next = &figure;
      }
      if (next) {
        planFigure = next->id;
        planLetter = 0;
        const int64_t afterLast = lastPressMs < 0 ? 0 : lastPressMs + pairMs(lastKey, next->word.keys.front());
        planMs = std::max({next->seenMs, afterLast, now});
      }
    }
    if (planFigure >= 0 && now >= planMs) {
      SimFigure* figure = findFigure(planFigure);
      if (!figure || planLetter >= figure->word.keys.size()) {
        planFigure = -1;
      } else {
        const std::optional<std::u32string> letters = DecodeUtf8(figure->word.text);
        std::string text = letters && planLetter < letters->size() ? EncodeUtf8(letters->substr(planLetter, 1)) : "";
        std::string key = figure->word.keys[planLetter];
        const bool slip = draws.Chance(typist.wrongKeyChance) && keyOfText.size() > 1;
        if (slip) {
          // A slip to another key of the drill; the typist notices and types the letter again.
          auto other = keyOfText.begin();
          std::advance(other, random.Below(static_cast<int32_t>(keyOfText.size())));
          if (other->first == text) other = std::next(other) == keyOfText.end() ? keyOfText.begin() : std::next(other);
          text = other->first;
          key = other->second;
        }
        const WordKeyOutcome outcome = typing.KeyPress(text, false);
        WordKeyRecord record;
        record.atMs = now;
        record.key = key;
        record.continued = outcome.result != WordKeyResult::Miss && outcome.result != WordKeyResult::Dropped;
        record.figure = outcome.figure;
        record.position = outcome.position;
        if (outcome.result == WordKeyResult::Completed) {
          record.completedLetters = outcome.letters;
          record.enemy = outcome.enemy;
        }
        result.records.push_back(record);
        lastPressMs = now;
        lastKey = key;
        if (outcome.result == WordKeyResult::Completed) {
          figures.erase(std::remove_if(figures.begin(), figures.end(), [&](const SimFigure& f) { return f.id == planFigure; }),
                        figures.end());
          planFigure = -1;
        } else if (record.continued && outcome.figure == planFigure) {
          ++planLetter;
          planMs = now + pairMs(key, figure->word.keys[planLetter]);
        } else if (record.continued) {
          // The letter locked another figure than meant (the meant one was gone): follow the lock.
          planFigure = outcome.figure;
          planLetter = outcome.position + 1;
          SimFigure* locked = findFigure(planFigure);
          planMs = locked && planLetter < locked->word.keys.size() ? now + pairMs(key, locked->word.keys[planLetter]) : now;
        } else {
          planMs = now + std::max<int64_t>(typist.minGapMs, pairMs(key, figure->word.keys[planLetter]));
        }
      }
    }
    ready.Update(now, typing.AnyReady(), false);
    if (now >= settings.drillMs && figures.empty()) break;
  }
  result.readyMs = ready.ReadyMs();
  result.speed = MeasureWordSpeed(result.records, result.readyMs);
  return result;
}
