// SPDX-License-Identifier: GPL-3.0-or-later
// Every repaint of the game screen during a one-minute drill of six-letter words in full screen
// at 1920 by 1080: a shipped scene, its figures carrying words on plaques, a typist typing them.
// Each tick of the clock is followed by the repaint of what changed, timed one by one; the
// slowest, the 99th percentile and the median are reported. KEYSLINGER_PAINT_SHOTS=<folder>
// saves the screen at a few moments, to look at.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QThread>

#include <time.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "forwarding_host.h"
#include "game_folder_world.h"
#include "level/drill_source.h"
#include "level/ui/game_form.h"
#include "level/level_play.h"
#include "platform/qt/qt_text_measurer.h"
#include "practice/drill.h"
#include "words/word_typing.h"
#include "targets/bot_image.h"

namespace {

// Every wave carries six-letter words, at the scene's places.
struct SixLetterWords : DrillSource {
  std::string scene;
  std::string script;
  WordTyping typing;
  size_t next = 0;
  std::vector<std::string> words = {"shield", "waders", "jigsaw", "flight", "garden", "ladder", "kettle", "silver",
                                    "harbor", "frozen", "pickle", "wonder", "jacket", "meadow", "rocket", "basket"};
  std::string SceneDir() const override { return scene; }
  std::string ScriptPath() const override { return script; }
  std::vector<std::string> DrawPositions(size_t placeCount, Random&) override {
    std::vector<std::string> keys;
    for (size_t i = 0; i < placeCount; ++i) keys.emplace_back(1, static_cast<char>('a' + i % 26));
    return keys;
  }
  size_t ChoosePlace(const std::vector<size_t>& candidates, const std::vector<std::string>&, Random& random) override {
    return static_cast<size_t>(random.Below(static_cast<int32_t>(candidates.size())));
  }
  void Finished(const LevelCounters&) override {}
  bool BeginWave(size_t, Random&) override {
    typing.Clear();
    return true;
  }
  DrillWord WordFor(const std::vector<std::string>&, Random&) override {
    const std::string& word = words[next++ % words.size()];
    DrillWord drill{word, {}};
    for (char c : word) drill.keys.emplace_back(1, c);
    return drill;
  }
  WordTyping* Typing() override { return &typing; }
};

struct DrillPaintWorld : GameFolderWorld<QtTextMeasurer, ForwardingHost> {
  std::unique_ptr<TfmGame> form;
  SixLetterWords drill;

  explicit DrillPaintWorld(int level) : GameFolderWorld("bench") {
    shared.appDir = std::string(CONTENT_DIR) + "/";
    drill.scene = shared.appDir + "Maps/Level" + std::to_string(level) + "/";
    drill.script = dir + "/drill.ini";
    // The drill's own script over the scene: its actors, 60 s of waves bringing up five figures.
    std::string text = DrillScript(drill.scene + "Script.ini");
    text = text.substr(0, text.find("[Wave"));
    for (int wave = 1; wave <= 5; ++wave) {
      text += "[Wave" + std::to_string(wave) + "]\ncommand=2\nparam1=12000\nparam2=300:100:5\n";
    }
    std::ofstream(drill.script) << text;
    form = std::make_unique<TfmGame>(app, host);
    host.form = form.get();
  }
};

// The typist: 600 ms after a word comes up it types it, a letter every 150 ms.
struct Typist {
  int64_t nextAt = 0;
  void Tick(DrillPaintWorld& world) {
    LevelPlay& play = world.form->Level();
    WordTyping* typing = play.Drill().Typing();
    const int64_t now = world.timers.NowMs();
    if (!typing || now < nextAt) return;
    if (const std::optional<int> locked = typing->Locked()) {
      const DrillWord* word = play.Drill().WordAt(static_cast<size_t>(*locked));
      const size_t typed = typing->TypedLetters(*locked);
      if (word && typed < word->keys.size()) play.KeyPress(false, word->keys[typed]);
      nextAt = now + 150;
      return;
    }
    const std::vector<int> figures = typing->Figures();
    if (figures.empty()) return;
    const DrillWord* word = play.Drill().WordAt(static_cast<size_t>(figures.front()));
    if (!word) return;
    play.KeyPress(false, word->keys.front());
    nextAt = now + 150;
  }
};

// Lets the window system catch up until done() holds, for at most 10 s.
template <class Done>
bool WaitFor(Done&& done) {
  QElapsedTimer deadline;
  deadline.start();
  while (!done() && deadline.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
  return done();
}

// The processor time this thread has used, in ms: unlike the wall clock it leaves out the waits
// for a processor another program holds.
double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The slowest, the 99th percentile and the median of times, as counters named after kind.
void Report(benchmark::State& state, std::vector<double> times, const std::string& kind) {
  std::sort(times.begin(), times.end());
  state.counters["max_" + kind] = times.back();
  state.counters["p99_" + kind] = times[times.size() * 99 / 100];
  state.counters["median_" + kind] = times[times.size() / 2];
}

void WordDrillRepaints(benchmark::State& state, int width, int height) {
  const char* shots = std::getenv("KEYSLINGER_PAINT_SHOTS");
  for (auto _ : state) {
    DrillPaintWorld world(16);
    world.form->ShowScreen();
    world.form->SetFullScreen(width != 640);
    world.form->setGeometry(0, 0, width, height);
    if (!WaitFor([&] { return world.form->size() == QSize(width, height); })) {
      state.SkipWithError("the screen did not take the size");
      return;
    }
    QCoreApplication::processEvents();
    world.form->Level().StartDrill("Practice", world.drill);
    // The first paint of the scene (the map scaled and kept) belongs to the drill's start.
    world.form->repaint();
    Typist typist;
    std::vector<double> times;
    std::vector<double> cpuTimes;
    int64_t figuresWithWords = 0;
    QElapsedTimer clock;
    // 60 s of drill in ticks of 50 ms, each followed by the repaint of what changed.
    for (int tick = 0; tick < 1200; ++tick) {
      world.timers.Advance(50);
      typist.Tick(world);
      const double cpuBefore = ThreadCpuMs();
      clock.start();
      world.form->repaint();
      times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
      cpuTimes.push_back(ThreadCpuMs() - cpuBefore);
      if (world.form->Level().Drill().Typing()) figuresWithWords = std::max<int64_t>(figuresWithWords, world.form->Level().Drill().Typing()->Figures().size());
      if (shots && (tick == 300 || tick == 700)) {
        world.form->grab().save(QString("%1/word_drill_%2x%3_%4.png").arg(shots).arg(width).arg(height).arg(tick));
      }
    }
    state.counters["repaints"] = static_cast<double>(times.size());
    Report(state, times, "ms");
    Report(state, cpuTimes, "cpu_ms");
    state.counters["most_words_standing"] = static_cast<double>(figuresWithWords);
    state.counters["hits"] = world.form->Level().Counters().Hits;
  }
}

void WordDrillRepaintsFullScreen1920x1080(benchmark::State& state) { WordDrillRepaints(state, 1920, 1080); }
void WordDrillRepaintsWindow640x480(benchmark::State& state) { WordDrillRepaints(state, 640, 480); }
BENCHMARK(WordDrillRepaintsFullScreen1920x1080)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WordDrillRepaintsWindow640x480)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
