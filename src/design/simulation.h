// SPDX-License-Identifier: GPL-3.0-or-later
// Headless play of one level in virtual time: the game's own level play, with a key source in
// place of the keyboard.
#pragma once
#include "design/press_plan.h"
#include "design/typist.h"
#include "platform/picture_loader.h"
#include "core/level_counters.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class DrillSource;
class LevelPlay;
class TbotImage;

// Who presses the keys of a run.
class KeySource {
public:
  virtual ~KeySource() = default;
  // An actor has just been spawned at place (its index in Places()), at game time nowMs.
  virtual void OnSpawn(int64_t nowMs, const TbotImage& actor, size_t place, const LevelPlay& play) = 0;
  // The enemy at place acted unshot (told only when the run is recorded).
  virtual void OnLost(size_t /*place*/, const LevelPlay& /*play*/) {}
  // Game time of the next press, or -1 when none is planned.
  virtual int64_t NextPressMs() const = 0;
  // Called at NextPressMs(): the text of the key pressed now, or empty when the plan was dropped.
  virtual std::string Press(int64_t nowMs, const LevelPlay& play) = 0;
};

// Keys at fixed game times, as a test would type them.
struct TimedKey {
  int64_t timeMs = 0;
  std::string text;
};
class ScriptedKeys : public KeySource {
public:
  explicit ScriptedKeys(std::vector<TimedKey> keys);
  void OnSpawn(int64_t, const TbotImage&, size_t, const LevelPlay&) override {}
  int64_t NextPressMs() const override;
  std::string Press(int64_t nowMs, const LevelPlay& play) override;

private:
  std::vector<TimedKey> keys_;
  size_t next_ = 0;
};

// The modelled typist: plans a press for each actor it means to shoot, one reaction time after
// the actor's appearance, and keeps its presses a minimum gap apart.
class ModelledTypist : public KeySource {
public:
  ModelledTypist(TypistProfile profile, uint64_t seed);
  void OnSpawn(int64_t nowMs, const TbotImage& actor, size_t place, const LevelPlay& play) override;
  int64_t NextPressMs() const override;
  std::string Press(int64_t nowMs, const LevelPlay& play) override;

private:
  TypistProfile profile_;
  Random random_;
  TypistDraws draws_;
  PressPlan plan_;
};

// The character a player types to shoot at a place: the first character of its letter, lower-cased.
std::string TypedLetterOf(const LevelPlay& play, size_t place);
// True while the actor can be shot: not in its dump wait, finished, dying or acting.
bool Shootable(const TbotImage& actor);

struct SimulatedRun {
  LevelCounters counters;
  int32_t percent = 0;
  int64_t playingMs = 0;  // game time from the start until the results (or until the run stopped)
  bool finished = false;  // the results were reached
  std::string failure;    // why not
};

using SimTrace = std::function<void(int64_t nowMs, const std::string& event)>;

// What a run may add to plain level play: records kept by the game's own recorder in
// progressDir/Progress.db (profile "Simulator"), and a drill played instead of the level.
struct RunExtras {
  std::string progressDir;  // empty: nothing is recorded
  int64_t utcMs = 0;        // when the run starts, for its record
  DrillSource* drill = nullptr;
};

// Decoded pictures shared by every run: the files do not change while the simulator runs.
class CachingPictureLoader : public PictureLoader {
public:
  explicit CachingPictureLoader(PictureLoader& inner) : inner_(inner) {}
  ImagePtr LoadBitmap(const std::string& path) override;
  ImagePtr LoadJpeg(const std::string& path) override;

private:
  ImagePtr Load(const std::string& path, bool jpeg);
  PictureLoader& inner_;
  std::mutex mutex_;
  std::map<std::pair<std::string, bool>, ImagePtr> cache_;
};

// Plays levels of a game folder. Player.ini lives in a temporary folder of its own, removed
// again by the destructor; nothing is written into the game folder.
class Simulator {
public:
  explicit Simulator(std::string gameDir);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  // One run of level at difficulty; gameSeed seeds the game's generator. Safe to call from
  // several threads at once.
  SimulatedRun Run(const std::string& level, const std::string& difficulty, uint64_t gameSeed, KeySource& keys,
                const SimTrace& trace = {}, const RunExtras& extras = {});

  int64_t timeLimitMs = 20 * 60 * 1000;  // a level that has not ended by then is reported

private:
  std::string PlayerIni(const std::string& difficulty);

  std::string gameDir_;
  std::string tempDir_;
  std::unique_ptr<PictureLoader> files_;
  CachingPictureLoader pictures_;
  std::mutex playerMutex_;
};
