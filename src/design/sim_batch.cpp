// SPDX-License-Identifier: GPL-3.0-or-later
// Many simulated runs summed up per level, difficulty and typist; table and CSV output.
#include "design/sim_batch.h"

#include "core/result_arithmetic.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace {

struct Job {
  size_t row = 0;
  int run = 0;
};

std::string Tenths(int64_t tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

int64_t MeanTenths(int64_t sum, int count) { return count > 0 ? (sum * 10 + count / 2) / count : 0; }

std::string Seconds(int64_t ms) { return Tenths((ms + 50) / 100); }

std::string Pad(const std::string& text, size_t width, bool left) {
  if (text.size() >= width) return text;
  const std::string fill(width - text.size(), ' ');
  return left ? text + fill : fill + text;
}

}  // namespace

uint64_t RunSeed(uint64_t seed, const std::string& level, const std::string& difficulty, const std::string& typist,
                 int run, const std::string& purpose) {
  // FNV-1a over the names, mixed with the seed and the run number.
  uint64_t hash = 1469598103934665603ull ^ seed;
  auto mix = [&hash](const std::string& text) {
    for (unsigned char c : text) {
      hash ^= c;
      hash *= 1099511628211ull;
    }
    hash ^= 0xFF;
    hash *= 1099511628211ull;
  };
  mix(level);
  mix(difficulty);
  mix(typist);
  mix(std::to_string(run));
  mix(purpose);
  return hash;
}

int32_t PercentileOf(const std::vector<int32_t>& sorted, int p) {
  if (sorted.empty()) return 0;
  const size_t index = (static_cast<size_t>(p) * (sorted.size() - 1) + 50) / 100;
  return sorted[std::min(index, sorted.size() - 1)];
}

std::vector<BatchRow> RunBatch(Simulator& simulator, const BatchRequest& request) {
  std::vector<BatchRow> rows;
  for (const std::string& level : request.levels) {
    for (const std::string& difficulty : request.difficulties) {
      for (const TypistProfile& typist : request.typists) {
        BatchRow row;
        row.level = level;
        row.difficulty = difficulty;
        row.typist = typist.name;
        row.runs = request.runs;
        rows.push_back(row);
      }
    }
  }
  const size_t typistCount = request.typists.size();
  std::vector<SimulatedRun> results(rows.size() * static_cast<size_t>(std::max(request.runs, 0)));
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t index = next++; index < results.size(); index = next++) {
      const size_t rowIndex = index / static_cast<size_t>(request.runs);
      const int run = static_cast<int>(index % static_cast<size_t>(request.runs));
      const BatchRow& row = rows[rowIndex];
      const TypistProfile& typist = request.typists[rowIndex % typistCount];
      ModelledTypist keys(typist, RunSeed(request.seed, row.level, row.difficulty, row.typist, run, "typist"));
      results[index] = simulator.Run(row.level, row.difficulty,
                                     RunSeed(request.seed, row.level, row.difficulty, row.typist, run, "game"), keys);
    }
  };
  std::vector<std::thread> threads;
  for (int i = 1; i < request.jobs; ++i) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();

  for (size_t r = 0; r < rows.size(); ++r) {
    BatchRow& row = rows[r];
    std::vector<int32_t> percents;
    std::vector<int64_t> playing;
    int64_t hits = 0, misses = 0, civilians = 0, acted = 0;
    int passed = 0;
    for (int run = 0; run < request.runs; ++run) {
      const SimulatedRun& result = results[r * static_cast<size_t>(request.runs) + static_cast<size_t>(run)];
      row.gameMs += result.playingMs;
      if (!result.finished) {
        if (row.failure.empty()) row.failure = result.failure;
        continue;
      }
      ++row.finished;
      percents.push_back(result.percent);
      playing.push_back(result.playingMs);
      passed += Passed(result.percent) ? 1 : 0;
      hits += result.counters.Hits;
      misses += result.counters.Misses;
      civilians += result.counters.Civilians;
      acted += result.counters.Lost;
    }
    std::sort(percents.begin(), percents.end());
    std::sort(playing.begin(), playing.end());
    row.p10 = PercentileOf(percents, 10);
    row.median = PercentileOf(percents, 50);
    row.p90 = PercentileOf(percents, 90);
    row.passPercent = row.finished > 0 ? (passed * 100 + row.finished / 2) / row.finished : 0;
    row.hitsTenths = MeanTenths(hits, row.finished);
    row.missesTenths = MeanTenths(misses, row.finished);
    row.civiliansTenths = MeanTenths(civilians, row.finished);
    row.actedTenths = MeanTenths(acted, row.finished);
    row.medianPlayingMs = playing.empty() ? 0 : playing[(playing.size() - 1) / 2];
  }
  return rows;
}

std::string FormatTable(const std::vector<BatchRow>& rows) {
  const std::vector<std::pair<std::string, size_t>> columns = {
      {"level", 8}, {"difficulty", 10}, {"typist", 8}, {"runs", 5}, {"p10%", 5}, {"median%", 8}, {"p90%", 5},
      {"pass%", 6}, {"hits", 6}, {"misses", 7}, {"civilians", 10}, {"acted", 6}, {"time s", 7}};
  std::string out;
  for (size_t i = 0; i < columns.size(); ++i) out += Pad(columns[i].first, columns[i].second, i < 3) + (i + 1 < columns.size() ? " " : "\n");
  for (const BatchRow& row : rows) {
    const std::vector<std::string> cells = {
        row.level, row.difficulty, row.typist, std::to_string(row.runs), std::to_string(row.p10),
        std::to_string(row.median), std::to_string(row.p90), std::to_string(row.passPercent), Tenths(row.hitsTenths),
        Tenths(row.missesTenths), Tenths(row.civiliansTenths), Tenths(row.actedTenths), Seconds(row.medianPlayingMs)};
    for (size_t i = 0; i < cells.size(); ++i) out += Pad(cells[i], columns[i].second, i < 3) + (i + 1 < cells.size() ? " " : "");
    if (row.finished < row.runs) {
      out += "  ! " + std::to_string(row.runs - row.finished) + " run(s) unfinished: " + row.failure;
    }
    out += "\n";
  }
  return out;
}

std::string FormatCsv(const std::vector<BatchRow>& rows) {
  std::string out =
      "level,difficulty,typist,runs,finished,p10,median,p90,pass_percent,hits,misses,civilians,acted,playing_s,failure\n";
  for (const BatchRow& row : rows) {
    std::string failure = row.failure;
    std::replace(failure.begin(), failure.end(), '"', '\'');
    out += row.level + "," + row.difficulty + "," + row.typist + "," + std::to_string(row.runs) + "," +
           std::to_string(row.finished) + "," + std::to_string(row.p10) + "," + std::to_string(row.median) + "," +
           std::to_string(row.p90) + "," + std::to_string(row.passPercent) + "," + Tenths(row.hitsTenths) + "," +
           Tenths(row.missesTenths) + "," + Tenths(row.civiliansTenths) + "," + Tenths(row.actedTenths) + "," +
           Seconds(row.medianPlayingMs) + ",\"" + failure + "\"\n";
  }
  return out;
}
