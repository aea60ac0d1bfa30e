// SPDX-License-Identifier: GPL-3.0-or-later
// The progress screen's words page: the words-per-minute chart and the pairs to practise.
#include "progress/progress_words_view.h"

#include "platform/key_table.h"
#include "words/words_speed.h"

#include <algorithm>
#include <cmath>

namespace {
std::string Named(const std::string& position, const KeyTable* layout) {
  const std::string typed = layout ? layout->MapLetter(position) : std::string();
  return typed.empty() ? position : typed;
}
}  // namespace

ProgressWordsView MakeProgressWordsView(const ProgressData& data, const KeyTable* layout) {
  ProgressWordsView view;
  double highest = 0;
  for (const WordRun& run : data.wordRuns) {
    const double wpm = std::isfinite(run.wordsPerMinute) ? std::clamp(run.wordsPerMinute, 0.0, 1000.0) : 0.0;
    const double accuracy = std::isfinite(run.accuracy) ? std::clamp(run.accuracy, 0.0, 1.0) : 0.0;
    view.chart.push_back({run.startedAt, wpm, static_cast<int>(std::lround(accuracy * 100))});
    highest = std::max(highest, wpm);
  }
  view.chartTop = std::max(20, static_cast<int>(std::ceil(highest / 10.0)) * 10);
  std::vector<LetterPairTime> times;
  times.reserve(data.pairTimes.size());
  for (const PairSample& sample : data.pairTimes) times.push_back({sample.from, sample.to, sample.ms});
  view.pairsMeasured = AnyPairMeasured(times);
  for (const SlowPair& pair : PairsToPractise(times)) {
    view.pairs.push_back({Named(pair.from, layout), Named(pair.to, layout), pair.medianMs, pair.samples});
  }
  return view;
}
