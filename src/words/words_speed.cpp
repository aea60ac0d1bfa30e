// SPDX-License-Identifier: GPL-3.0-or-later
// Words per minute, word accuracy and the slowest letter pairs from word-wave records.
#include "words/words_speed.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

void WordReadyClock::Update(int64_t nowMs, bool anyReady, bool paused) {
  if (counting_ && lastMs_ >= 0 && nowMs > lastMs_) readyMs_ += nowMs - lastMs_;
  if (nowMs > lastMs_) lastMs_ = nowMs;
  counting_ = anyReady && !paused;
}

WordSpeed MeasureWordSpeed(const std::vector<WordKeyRecord>& records, int64_t readyMs) {
  WordSpeed speed;
  for (const WordKeyRecord& record : records) {
    ++speed.lettersTyped;
    if (record.continued) ++speed.lettersContinued;
    if (record.completedLetters > 0 && record.enemy) {
      ++speed.enemyWords;
      speed.enemyLetters += static_cast<int32_t>(std::min<size_t>(record.completedLetters, 1000));
    }
  }
  if (readyMs > 0) {
    const double minutes = static_cast<double>(readyMs) / 60000.0;
    speed.wordsPerMinute = (speed.enemyLetters + speed.enemyWords) / 5.0 / minutes;
  }
  if (speed.lettersTyped > 0) speed.accuracy = static_cast<double>(speed.lettersContinued) / speed.lettersTyped;
  return speed;
}

std::vector<LetterPairTime> LetterPairTimes(const std::vector<WordKeyRecord>& records) {
  std::vector<LetterPairTime> times;
  for (size_t i = 1; i < records.size(); ++i) {
    const WordKeyRecord& previous = records[i - 1];
    const WordKeyRecord& current = records[i];
    if (!previous.continued || !current.continued) continue;
    if (previous.figure != current.figure || current.position != previous.position + 1) continue;
    times.push_back(LetterPairTime{previous.key, current.key, std::max<int64_t>(0, current.atMs - previous.atMs)});
  }
  return times;
}

bool AnyPairMeasured(const std::vector<LetterPairTime>& times, size_t minSamples) {
  std::map<std::pair<std::string, std::string>, size_t> counts;
  for (const LetterPairTime& time : times) {
    if (++counts[{time.from, time.to}] >= std::max<size_t>(minSamples, 1)) return true;
  }
  return false;
}

std::vector<SlowPair> PairsToPractise(const std::vector<LetterPairTime>& times, size_t count, size_t minSamples) {
  std::map<std::pair<std::string, std::string>, std::vector<int64_t>> byPair;
  for (const LetterPairTime& time : times) byPair[{time.from, time.to}].push_back(time.ms);
  std::vector<SlowPair> pairs;
  for (auto& [keys, samples] : byPair) {
    if (samples.size() < std::max<size_t>(minSamples, 1)) continue;
    std::sort(samples.begin(), samples.end());
    // The lower median for an even count: a pair is not called slow on the strength of its slowest half.
    const int64_t median = samples[(samples.size() - 1) / 2];
    pairs.push_back(SlowPair{keys.first, keys.second, median, samples.size()});
  }
  if (pairs.empty()) return pairs;
  std::vector<int64_t> medians;
  for (const SlowPair& pair : pairs) medians.push_back(pair.medianMs);
  std::nth_element(medians.begin(), medians.begin() + (medians.size() - 1) / 2, medians.end());
  const int64_t own = medians[(medians.size() - 1) / 2];
  // Saturating: the times may come from a file the game did not write.
  const int64_t margin = std::max<int64_t>(own / 3, kSlowPairMarginMs);
  const int64_t slowFrom = own > std::numeric_limits<int64_t>::max() - margin ? std::numeric_limits<int64_t>::max() : own + margin;
  std::erase_if(pairs, [slowFrom](const SlowPair& pair) { return pair.medianMs < slowFrom; });
  std::sort(pairs.begin(), pairs.end(), [](const SlowPair& a, const SlowPair& b) {
    return std::tie(b.medianMs, a.samples, a.from, a.to) < std::tie(a.medianMs, b.samples, b.from, b.to);
  });
  if (pairs.size() > count) pairs.resize(count);
  return pairs;
}
