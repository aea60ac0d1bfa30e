// SPDX-License-Identifier: GPL-3.0-or-later
// Level play: the game screen's rules. Loads a level, runs its script on the 100 ms clock,
// spawns actors, resolves typed characters, keeps the counters and pauses.
#pragma once
#include "level/drill_source.h"
#include "level/held_keys.h"
#include "level/level_play_host.h"
#include "platform/key_table.h"
#include "platform/image.h"
#include "core/level_counters.h"
#include "targets/score_ticker.h"

#include <cstdint>
#include <deque>
#include "platform/key_table.h"
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class DrillSource;
class IniDocument;
class IniStore;
class LevelPlayListener;
class TbotImage;
class TletterImage;
class Timer;
class WordTyping;
struct Services;
struct SharedState;

// Captions and looks of the game screen's labels, as the screen draws them.
struct GameLabels {
  std::string point = "Point:";
  std::string miss = "Miss:";
  std::string civilian = "Civilian:";
  std::string allScore = "AllScore:";
  std::string myScore = "MyScore:";
  std::string lost = "Lost:";
  std::string lostScore = "lostScore:";
  std::string bots = "bots:";
  std::string time = "0:00";
  uint32_t timeColor = kTimeYellow;  // toolkit colour 0x00BBGGRR

  static constexpr uint32_t kTimeYellow = 65021;  // 0x00FDFD
  static constexpr uint32_t kTimeRed = 255;
};

struct Place {
  std::string name;
  TbotImage* actor = nullptr;  // not owned
};

struct Template {
  std::string folder;
  std::unique_ptr<TbotImage> actor;
};

struct LetterTagEntry {
  std::string place;
  std::unique_ptr<TletterImage> tag;
};

class LevelPlay {
public:
  static constexpr int kClockMs = 100;
  static constexpr int kRedTimeMs = 400;
  static constexpr int kScreenWidth = 640;
  static constexpr int kScreenHeight = 480;
  static constexpr int32_t kNoPenaltyAbove = 3600000;

  LevelPlay(Services& services, SharedState& shared, LevelPlayHost& host);
  ~LevelPlay();
  LevelPlay(const LevelPlay&) = delete;
  LevelPlay& operator=(const LevelPlay&) = delete;

  // Level files and loading.
  void StartLevel(const std::string& name);
  // False when the level cannot be loaded; the failure has been reported and nothing is left
  // half-built. The clock runs only after a successful load.
  bool LoadLevel(const std::string& name);
  void CloseLevel();
  void QuitToMenu();
  void RestartLevel();
  // Practice: plays a composed drill under the given run name, with the drill's scene, script
  // and letters, through the same clock, spawning and typing. RESTART starts the drill afresh;
  // the end of its script goes to drill.Finished instead of the results screen.
  void StartDrill(const std::string& name, DrillSource& drill);
  DrillSource* Drill() const { return drill_; }
  // In a drill, the key position each place carries in the current wave ("" for none).
  const std::vector<std::string>& DrillPositions() const { return drillPositions_; }

  // Script interpreter and clock.
  void ClockTimer();
  int32_t ExecuteStep(int32_t command, const std::string& param1, const std::string& param2);
  void AddLevelTime(int32_t delta);
  void redtimeTimer();

  // Templates and spawning.
  void DefineTemplate(const std::string& key, const std::string& maxLifeText);
  void WaveTick(const std::vector<std::string>& fields);

  // Pause and resume.
  void SetPaused(bool pause, bool withScreen);
  void FormKeyDown(bool escape);
  void imgMapClick();

  // Typing: one key press (isEscape for the Escape key; text is what the key types, may be
  // empty; position is the key's US key name, empty when unknown; stroke: which key, whether
  // the window system calls it a repeat, and when, see HeldKeys). Returns true when the press
  // is swallowed.
  bool KeyPress(bool isEscape, const std::string& text, const std::string& position = {},
                const KeyStroke& stroke = {});
  // A key-up, whichever screen had the keyboard: it clears the held-key mark.
  void KeyRelease(const KeyStroke& stroke = {});
  void ResolveCharacter(const std::string& typed, const std::string& position = {});
  void ApplyResult(const std::string& name);

  // Counters and ticker.
  void ResetCounters();
  void AddTickerLine(const std::string& text) { ticker_.AddTickerLine(text); }

  // What the screens draw and the other rules read.
  const LevelCounters& Counters() const { return counters_; }
  LevelCounters& MutableCounters() { return counters_; }
  const GameLabels& Labels() const { return labels_; }
  const ScoreTicker& Ticker() const { return ticker_; }
  const std::string& TickerCaption() const { return ticker_.Caption(); }
  bool ClockEnabled() const;
  void SetClockEnabled(bool on);
  bool LevelLoaded() const { return loaded_; }
  const std::string& CurrentLevelName() const { return currentLevelName_; }
  const ImagePtr& MapPicture() const { return mapPicture_; }
  const std::vector<Place>& Places() const { return places_; }
  const std::vector<LetterTagEntry>& LetterTags() const { return letterTags_; }
  const std::vector<Template>& Templates() const { return templates_; }
  const std::deque<std::string>& PendingSteps() const { return pendingSteps_; }
  // Live actors in the order they were spawned (the drawing order).
  std::vector<const TbotImage*> LiveActors() const;
  int32_t StepWait() const { return stepWait_; }
  bool EndPhase() const { return endPhase_; }
  int32_t LevelTimeMs() const { return levelTimeMs_; }
  int32_t SpawnRamp() const { return spawnRamp_; }
  uint8_t WaveTarget() const { return waveTarget_; }
  int32_t MissPenaltyMs() const { return missPenaltyMs_; }
  int32_t CivilianPenaltyMs() const { return civilianPenaltyMs_; }
  int32_t ExtraActors() const { return extraActors_; }
  int32_t ExtraDumpTime() const { return extraDumpTime_; }
  int32_t ExtraMaxLife() const { return extraMaxLife_; }
  const std::string& DifficultyName() const { return difficultyName_; }
  const IniStore* MapStore() const { return mapStore_.get(); }
  // The places of the running level whose key types nothing on the player's layout, by index;
  // no figure comes up there.
  const std::vector<size_t>& UntypablePlaces() const { return untypable_; }

  // Called with every event a trace should show (spawns, results, steps); may be empty.
  std::function<void(const std::string&)> trace;
  // Called when an actor has been put at a place, just before it starts to appear; may be empty.
  std::function<void(size_t place, const TbotImage& actor)> onSpawn;
  // Told about the run as it goes (see LevelPlayListener); not owned, may be null.
  LevelPlayListener* listener = nullptr;

  // Word waves, for practice only: while set, typed characters go to the words of the figures
  // (WordTyping, its figures named by their place indices) instead of the places' letters; no
  // press is dropped for another key being down, only auto-repeats. Not owned; null in levels.
  void SetWordTyping(WordTyping* typing) { wordTyping_ = typing; }
  WordTyping* Typing() const { return wordTyping_; }
  // In a drill: whether the running wave carries words, and the word of the figure at a place
  // (null when it has none).
  bool InWordWave() const { return wordWave_; }
  const DrillWord* WordAt(size_t place) const;

private:
  void InitGameState();
  void BeginLevel(const std::string& name);
  void DrawDrillLetters();
  // The key position of place i: the drill's in a drill, else the letter as Map.ini writes it.
  std::string PlacePosition(size_t i) const;
  void LoadLevelOrThrow(const std::string& name);
  void EndOfLevel();
  void CreateLetterTags(const std::string& bitmapPath);
  void FreeLetterTags();
  void ReleaseActorsAtPlaces();
  void ReleaseActor(TbotImage* actor);
  int32_t WaveEndCheck();
  void SetTimeRed();
  void PlaySound(const std::string& relativePath);
  std::string LevelDir(const std::string& name) const;
  void InvalidateAll();
  void Trace(const std::string& text);
  bool WordKeyPress(bool isEscape, const std::string& text, const std::string& position, const KeyStroke& stroke);
  void ResolveWordCharacter(const std::string& typed, const std::string& position);
  // Word waves of a drill: the wave that starts now asks the drill whether it carries words; a
  // figure coming up in one gets its word and plaque; figures that can no longer be shot leave
  // the word typing and their plaques go.
  void BeginDrillWave();
  void GiveFigureWord(size_t place, const TbotImage& actor);
  void PruneWordFigures();
  void HideWordPlaque(size_t place);
  void MarkTypedLetters();
  void TellWordsReady();
  // The letter of place i that typing is compared with.
  std::string_view PlaceLetter(size_t i, const IniDocument* map) const;
  // Tells the player about places nobody can type on their layout, once per program run for
  // each key and layout.
  void TellUntypable(const KeyTable& layout);

  Services& services_;
  SharedState& shared_;
  LevelPlayHost& host_;

  // Whole-run state.
  LevelCounters counters_;
  GameLabels labels_;
  ScoreTicker ticker_;
  std::unique_ptr<Timer> clock_;
  std::unique_ptr<Timer> redtime_;
  std::recursive_mutex inputLock_;
  std::recursive_mutex stepLock_;
  HeldKeys heldKeys_;
  WordTyping* wordTyping_ = nullptr;
  int hitPlace_ = -1;
  int32_t spawnRamp_ = 0;
  std::string currentLevelName_;

  // Level-run state.
  bool loaded_ = false;
  std::unique_ptr<IniStore> mapStore_;
  std::unique_ptr<IniStore> scriptStore_;
  std::vector<Place> places_;
  // Set when the level's letters name US keys: each place's letter on the active layout, in
  // place order. Empty otherwise, and the letters are read from Map.ini as written.
  std::optional<std::vector<std::string>> keyLetters_;
  // The US key each place's letter names in a level whose letters name US keys, else empty.
  std::vector<std::string> placePositions_;
  std::vector<size_t> untypable_;
  // Untypable keys already told of in this run of the program, per layout.
  std::vector<std::pair<KeyTable, std::vector<std::string>>> toldUntypable_;
  std::deque<std::string> pendingSteps_;
  // Practice only: the drill being played, its positions in this wave and the layout they map by.
  DrillSource* drill_ = nullptr;
  std::vector<std::string> drillPositions_;
  std::optional<KeyTable> drillTable_;
  size_t drillWave_ = 0;
  bool wordWave_ = false;
  bool wordsReady_ = false;
  std::vector<DrillWord> placeWords_;    // by place: the word of its figure in a word wave
  std::vector<int32_t> figureNumbers_;  // by place: its figure's spawn count
  std::vector<Template> templates_;
  std::vector<LetterTagEntry> letterTags_;
  std::list<std::unique_ptr<TbotImage>> liveActors_;
  ImagePtr mapPicture_;
  std::string difficultyName_;
  int32_t stepWait_ = -1;
  bool endPhase_ = false;
  uint8_t waveTarget_ = 0;
  int32_t extraActors_ = 0;
  int32_t extraDumpTime_ = 0;
  int32_t extraMaxLife_ = 0;
  int32_t missPenaltyMs_ = 2000;
  int32_t civilianPenaltyMs_ = 3000;
  int32_t levelTimeMs_ = 0;
};
