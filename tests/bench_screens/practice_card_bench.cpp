// SPDX-License-Identifier: GPL-3.0-or-later
// From PRACTICE to the card on the screen, the word list read on the way (the first drill of a
// run reads it), for word lists that are not what they seem: a pipe without a writer, a link to
// /dev/zero, a 200 MB file, and for the largest list the game reads (a file at the bound) and
// Debian's largest list. Each must show the card well within a second; over a second is
// reported as an error (a loose check: the goal is half a second on a busy machine).
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <QApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <fstream>
#include <random>

#include "game_folder_world.h"
#include "level/level_play.h"
#include "practice/practice_store.h"
#include "practice/ui/practice_card_form.h"
#include "practice/ui/practice_results_form.h"
#include "practice/ui/qt_practice_flow.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "words/word_list.h"
#include "words/words_source.h"

namespace {

const std::vector<std::string> kKeys = {"f", "j", "d", "k", "s", "l", "a", "e", "i", "r", "u", "h"};

enum class GermanList { Pipe, DeviceLink, Huge, AtBound, Debian };

// Lower-case words of the keys' letters, one a line, up to bytes.
void WriteWords(const std::string& path, int64_t bytes) {
  std::ofstream out(path, std::ios::binary);
  std::mt19937 random(7);
  const std::string letters = "fjdkslaeiruh";
  int64_t written = 0;
  while (written < bytes - 8) {
    const int length = 2 + static_cast<int>(random() % 6);
    std::string word;
    for (int i = 0; i < length; ++i) word += letters[random() % letters.size()];
    out << word << '\n';
    written += length + 1;
  }
}

// A player with the twelve keys in their set, on a game whose one level teaches them; the
// German word list is the case's file, the English one a short list.
struct CardWorld : GameFolderWorld<> {
  explicit CardWorld(GermanList german) : GameFolderWorld("ben") {
    std::ofstream(dir + "/Player.ini", std::ios::binary)
        << "[curplayer]\nname=Ben\nsound=0\n[Ben]\ncurlevel=1\n";
    shared.playerStore = std::make_unique<IniStore>(dir + "/Player.ini");
    std::ofstream map(dir + "/Maps/Level1/Map.ini", std::ios::binary);
    map << "[Map]\nEasy=0:0:0:2000:3000\nLBMP=Tag.bmp\nLColor=0\nLHLColor=255\n[Objects]\nbandit="
           "Bandit\n";
    for (size_t i = 0; i < kKeys.size(); ++i)
      map << "[p" << i << "]\nx=" << 40 + (i % 4) * 150 << "\ny=" << 40 + (i / 4) * 140
          << "\nside=1\nletter=" << kKeys[i] << "\n";
    map.close();
    shared.lastLevel = 1;
    const std::string dict = dir + "/dict";
    std::filesystem::create_directory(dict);
    std::ofstream(dict + "/american-english")
        << "ask\nsad\nlad\nhad\nhead\nheal\ndeal\nreal\nread\nseal\n";
    const std::string list = dict + "/ngerman";
    switch (german) {
      case GermanList::Pipe:
        mkfifo(list.c_str(), 0600);
        break;
      case GermanList::DeviceLink:
        std::filesystem::create_symlink("/dev/zero", list);
        break;
      case GermanList::Huge:
        std::ofstream(list).close();
        std::filesystem::resize_file(list, 200 * 1024 * 1024);
        break;
      case GermanList::AtBound:
        WriteWords(list, WordList::kMaxFileBytes);
        break;
      case GermanList::Debian:
        std::filesystem::create_symlink(std::string(kDebianWordListDir) + "/ngerman", list);
        break;
    }
    level = std::make_unique<LevelPlay>(services, shared, host);
    app.level = level.get();
    ProgressDatabase db(shared.PlayerDataDir() + kProgressFileName);
    db.Open();
    PracticeState state;
    for (const std::string& key : kKeys) state.keys.push_back({key, false, 0, 0});
    PracticeStore(db).SaveState("ben", state);
  }
  // A new run of the program: the words are read with its first drill.
  void NewRun() {
    app.screens.fmPracticeCard = nullptr;
    card.reset();
    flow = std::make_unique<PracticeFlow>(app);
    flow->today = [] { return int64_t{20400}; };
    const std::string dict = dir + "/dict";
    flow->loadWords = [dict] { return LoadWordSource(WordLanguage::German, dict); };
    app.practice = flow.get();
    card = std::make_unique<TfmPracticeCard>(app);
    app.screens.fmPracticeCard = card.get();
  }
  ~CardWorld() { card.reset(); }
  std::unique_ptr<LevelPlay> level;
  std::unique_ptr<PracticeFlow> flow;
  std::unique_ptr<TfmPracticeCard> card;
};

void PracticeToCard(benchmark::State& state, GermanList german) {
  if (german == GermanList::Debian &&
      !std::filesystem::exists(std::string(kDebianWordListDir) + "/ngerman")) {
    state.SkipWithError("wngerman is not installed");
    return;
  }
  CardWorld world(german);
  double slowestMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    world.NewRun();
    state.ResumeTiming();
    QElapsedTimer clock;
    clock.start();
    const bool shown = world.flow->Begin() && world.card->isVisible();
    slowestMs = std::max(slowestMs, clock.nsecsElapsed() / 1e6);
    if (!shown) {
      state.SkipWithError("no card");
      return;
    }
    world.card->hide();
  }
  state.counters["slowest_ms"] = slowestMs;
  if (slowestMs > 1000) state.SkipWithError("the card took over a second to show");
}
BENCHMARK_CAPTURE(PracticeToCard, german_list_a_pipe, GermanList::Pipe)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(PracticeToCard, german_list_links_to_dev_zero, GermanList::DeviceLink)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(PracticeToCard, german_list_of_200_mb, GermanList::Huge)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(PracticeToCard, german_list_at_the_16_mib_bound, GermanList::AtBound)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(PracticeToCard, debian_ngerman, GermanList::Debian)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
