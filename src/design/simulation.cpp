// SPDX-License-Identifier: GPL-3.0-or-later
// Headless play of one level in virtual time with the game's own level play.
#include "design/simulation.h"

#include "core/services.h"
#include "core/shared_state.h"
#include "level/drill_source.h"
#include "level/level_play.h"
#include "platform/file_picture_loader.h"
#include "platform/key_table.h"
#include "platform/text_case.h"
#include "platform/virtual_timer_service.h"
#include "core/ini_store.h"
#include "design/sim_records.h"
#include "level/level_listener.h"
#include "screens/results.h"
#include "targets/bot_image.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

constexpr uint8_t kCivilian = 1;
// Virtual time is advanced in slices no longer than this, so a run notices its end and its
// time limit soon enough.
constexpr int64_t kSliceMs = 1000;

class SilentSoundPlayer : public SoundPlayer {
public:
  void Play(const std::string&) override {}
};

class LastMessage : public MessageBoxes {
public:
  explicit LastMessage(const TimerService& timers) : timers_(timers) {}
  void Show(const std::string& text) override {
    last = text;
    atMs = timers_.NowMs();
  }
  std::string last;
  int64_t atMs = 0;

private:
  const TimerService& timers_;
};

// Passes a drill through and notes its end.
class WatchedDrill : public DrillSource {
public:
  WatchedDrill(DrillSource& inner, std::function<void()> finished) : inner_(inner), finished_(std::move(finished)) {}
  std::string SceneDir() const override { return inner_.SceneDir(); }
  std::string ScriptPath() const override { return inner_.ScriptPath(); }
  std::vector<std::string> DrawPositions(size_t placeCount, Random& random) override {
    return inner_.DrawPositions(placeCount, random);
  }
  size_t ChoosePlace(const std::vector<size_t>& candidates, const std::vector<std::string>& positions,
                     Random& random) override {
    return inner_.ChoosePlace(candidates, positions, random);
  }
  bool BeginWave(size_t waveIndex, Random& random) override { return inner_.BeginWave(waveIndex, random); }
  DrillWord WordFor(const std::vector<std::string>& standing, Random& random) override {
    return inner_.WordFor(standing, random);
  }
  WordTyping* Typing() override { return inner_.Typing(); }
  void Finished(const LevelCounters& counters) override {
    inner_.Finished(counters);
    finished_();
  }

private:
  DrillSource& inner_;
  std::function<void()> finished_;
};

}  // namespace

ScriptedKeys::ScriptedKeys(std::vector<TimedKey> keys) : keys_(std::move(keys)) {
  std::stable_sort(keys_.begin(), keys_.end(), [](const TimedKey& a, const TimedKey& b) { return a.timeMs < b.timeMs; });
}

int64_t ScriptedKeys::NextPressMs() const { return next_ < keys_.size() ? keys_[next_].timeMs : -1; }

std::string ScriptedKeys::Press(int64_t, const LevelPlay&) { return next_ < keys_.size() ? keys_[next_++].text : ""; }

bool Shootable(const TbotImage& actor) { return !actor.Dump && !actor.Deadly && !actor.Deathing && !actor.Activity; }

std::string TypedLetterOf(const LevelPlay& play, size_t place) {
  const IniStore* map = play.Stage().MapStore();
  if (!map || place >= play.Stage().Places().size()) return "";
  return ToLowerUtf8(FirstCharacterUtf8(map->ReadString(play.Stage().Places()[place].name, "letter", "")));
}

ModelledTypist::ModelledTypist(TypistProfile profile, uint64_t seed)
    : profile_(std::move(profile)), random_(seed), draws_(random_) {}

void ModelledTypist::OnSpawn(int64_t nowMs, const TbotImage& actor, size_t place, const LevelPlay&) {
  const int32_t spawn = plan_.Spawned(place);
  // Every actor costs the same draws, so a civilian left alone does not shift later draws.
  const bool mistake = draws_.Chance(profile_.civilianChance);
  const int64_t reaction = draws_.LogNormalMs(profile_.reactionMedianMs, profile_.reactionSpread);
  if (actor.Character == kCivilian && !mistake) return;
  plan_.Plan(nowMs + reaction, place, spawn);
}

int64_t ModelledTypist::NextPressMs() const { return plan_.NextPressMs(profile_.minGapMs); }

std::string ModelledTypist::Press(int64_t nowMs, const LevelPlay& play) {
  const std::optional<size_t> place = plan_.TakeNext(play);
  if (!place) return "";
  const std::string letter = TypedLetterOf(play, *place);
  if (letter.empty()) return "";
  plan_.Pressed(nowMs);
  if (draws_.Chance(profile_.wrongKeyChance)) {
    // A neighbouring slip: some other letter; the typist notices and tries again.
    std::string wrong = letter;
    while (wrong == letter) wrong = std::string(1, static_cast<char>('a' + random_.Below(26)));
    plan_.Retry(nowMs, profile_.minGapMs);
    return wrong;
  }
  return letter;
}

ImagePtr CachingPictureLoader::LoadBitmap(const std::string& path) { return Load(path, false); }
ImagePtr CachingPictureLoader::LoadJpeg(const std::string& path) { return Load(path, true); }

ImagePtr CachingPictureLoader::Load(const std::string& path, bool jpeg) {
  const auto key = std::make_pair(path, jpeg);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
  }
  // Failures are not cached: they throw every time, as the game's loader does.
  ImagePtr picture = jpeg ? inner_.LoadJpeg(path) : inner_.LoadBitmap(path);
  std::lock_guard<std::mutex> lock(mutex_);
  cache_.emplace(key, picture);
  return picture;
}

Simulator::Simulator(std::string gameDir)
    : gameDir_(std::move(gameDir)), files_(std::make_unique<FilePictureLoader>()), pictures_(*files_) {
  while (gameDir_.size() > 1 && gameDir_.back() == '/') gameDir_.pop_back();
  std::string pattern = (std::filesystem::temp_directory_path() / "keyslinger-sim-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder for Player.ini");
  tempDir_ = pattern;
}

Simulator::~Simulator() {
  std::error_code error;
  std::filesystem::remove_all(tempDir_, error);
}

std::string Simulator::PlayerIni(const std::string& difficulty) {
  // One profile file per difficulty, written once, so runs in parallel only read it.
  const std::string folder = tempDir_ + "/" + difficulty;
  const std::string path = folder + "/Player.ini";
  std::lock_guard<std::mutex> lock(playerMutex_);
  if (!std::filesystem::exists(path)) {
    std::filesystem::create_directories(folder);
    std::ofstream(path, std::ios::binary) << "[Simulator]\nup=" << difficulty << "\ncurlevel=1\n";
  }
  return path;
}

SimulatedRun Simulator::Run(const std::string& level, const std::string& difficulty, uint64_t gameSeed, KeySource& keys,
                         const SimTrace& trace, const RunExtras& extras) {
  SimulatedRun result;
  VirtualTimerService timers;
  SilentSoundPlayer sound;
  FixedTextMeasurer text;
  LastMessage messages(timers);
  Random random(gameSeed);
  Services services{timers, sound, pictures_, text, messages, random};
  SharedState shared;
  shared.appDir = gameDir_ + "/";
  shared.playerStore = std::make_unique<IniStore>(PlayerIni(difficulty));
  shared.currentPlayer = "Simulator";
  shared.soundOn = true;  // as the game plays by default: sounds draw from the generator
  NullLevelPlayHost host;
  LevelPlay play(services, shared, host);
  std::unique_ptr<LevelPlayListener> recorder;
  if (!extras.progressDir.empty()) {
    shared.dataDir = extras.progressDir + "/";
    recorder = MakeSimRecorder(shared, timers, messages, extras.utcMs, [&](size_t place) { keys.OnLost(place, play); });
    play.listener = recorder.get();
  }

  host.onResults = [&] {
    result.counters = play.Counters();
    result.percent = ResultPercentOf(result.counters);
    result.playingMs = timers.NowMs();
    result.finished = true;
    play.QuitToMenu();
    shared.returnToMenu = true;
  };
  play.onSpawn = [&](size_t place, const TbotImage& actor) { keys.OnSpawn(timers.NowMs(), actor, place, play); };
  play.trace = [&](const std::string& event) {
    if (trace) trace(timers.NowMs(), event);
  };

  std::unique_ptr<WatchedDrill> drill;
  if (extras.drill) {
    drill = std::make_unique<WatchedDrill>(*extras.drill, [&] {
      result.counters = play.Counters();
      result.percent = ResultPercentOf(result.counters);
      result.playingMs = timers.NowMs();
      result.finished = true;
      play.QuitToMenu();
    });
    play.StartDrill(level, *drill);
  } else {
    play.StartLevel(level);
  }
  if (!play.LevelLoaded()) {
    result.failure = messages.last.empty() ? "the level cannot be loaded" : messages.last;
    return result;
  }
  while (!result.finished) {
    const int64_t now = timers.NowMs();
    if (!play.ClockEnabled()) {
      result.failure = "the clock stopped with \"" + messages.last + "\" at " + std::to_string(messages.atMs) + " ms";
      break;
    }
    if (now >= timeLimitMs) {
      result.failure = "no results after " + std::to_string(timeLimitMs / 1000) + " s of game time";
      break;
    }
    int64_t until = std::min(now + kSliceMs, timeLimitMs);
    const int64_t press = keys.NextPressMs();
    if (press >= 0) until = std::min(until, std::max(press, now));
    timers.Advance(until - now);
    while (!result.finished && play.ClockEnabled() && keys.NextPressMs() >= 0 && keys.NextPressMs() <= timers.NowMs()) {
      const std::string typed = keys.Press(timers.NowMs(), play);
      if (typed.empty()) continue;
      if (trace) trace(timers.NowMs(), "key " + typed);
      // The typist types on a US keyboard: the key pressed is the one its character names, which
      // tells level play which key a miss was aimed at.
      play.KeyPress(false, typed, FindUsKey(typed) ? typed : std::string());
      play.KeyRelease();
    }
  }
  if (!result.finished) {
    result.counters = play.Counters();
    result.playingMs = timers.NowMs();
  }
  if (recorder) {
    // A run cut short is closed as quit; the recorder writes what it holds as it goes.
    if (play.LevelLoaded()) play.QuitToMenu();
    play.listener = nullptr;
    recorder.reset();
  }
  return result;
}
