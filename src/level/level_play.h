// SPDX-License-Identifier: GPL-3.0-or-later
// Level play: the game screen's rules. Loads a level and plays it through its parts: the stage,
// the scoreboard, the script clock, spawning, letter typing, pause and a drill's word waves.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/level_counters.h"
#include "level/drill_waves.h"
#include "level/letter_typing.h"
#include "level/level_hooks.h"
#include "level/level_play_host.h"
#include "level/level_stage.h"
#include "level/pause_control.h"
#include "level/scoreboard.h"
#include "level/script_clock.h"
#include "level/spawning.h"

class DrillSource;
class WordTyping;
struct Services;
struct SharedState;

// The hooks (trace, onSpawn, listener) are level play's own public members.
class LevelPlay : public LevelHooks, private ScriptSteps {
 public:
  LevelPlay(Services& services, SharedState& shared, LevelPlayHost& host);
  ~LevelPlay() override;
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

  // Script interpreter and clock.
  void ClockTimer() { clock_.ClockTimer(); }
  int32_t ExecuteStep(int32_t command, const std::string& param1, const std::string& param2) {
    return clock_.ExecuteStep(command, param1, param2);
  }
  void AddLevelTime(int32_t delta) { clock_.AddLevelTime(delta); }

  // Templates and spawning: the script's steps.
  void DefineTemplate(const std::string& key, const std::string& maxLifeText) override;
  void WaveTick(const std::vector<std::string>& fields) override;

  // Pause and resume.
  void SetPaused(bool pause, bool withScreen) { pause_.SetPaused(pause, withScreen); }
  void FormKeyDown(bool escape) { pause_.FormKeyDown(escape); }
  void imgMapClick() { pause_.imgMapClick(); }

  // Typing: one key press (isEscape for the Escape key; text is what the key types, may be
  // empty; position is the key's US key name, empty when unknown; stroke: which key, whether
  // the window system calls it a repeat, and when, see HeldKeys). Returns true when the press
  // is swallowed.
  bool KeyPress(bool isEscape, const std::string& text, const std::string& position = {},
                const KeyStroke& stroke = {});
  // A key-up, whichever screen had the keyboard: it clears the held-key mark.
  void KeyRelease(const KeyStroke& stroke = {}) { typing_.KeyRelease(stroke); }
  void ResolveCharacter(const std::string& typed, const std::string& position = {}) {
    typing_.ResolveCharacter(typed, position);
  }
  void ApplyResult(const std::string& name) { typing_.ApplyResult(name); }
  // Word waves, for practice only: while set, typed characters go to the words of the figures
  // (WordTyping, its figures named by their place indices) instead of the places' letters; no
  // press is dropped for another key being down, only auto-repeats. Not owned; null in levels.
  void SetWordTyping(WordTyping* typing) { drill_.SetWordTyping(typing); }

  // Counters and ticker.
  void ResetCounters() { score_.Reset(); }
  void AddTickerLine(const std::string& text) { score_.AddTickerLine(text); }

  // What every screen reads.
  const LevelCounters& Counters() const { return score_.Counters(); }
  bool LevelLoaded() const { return stage_.Loaded(); }
  const std::string& CurrentLevelName() const { return currentLevelName_; }
  bool ClockEnabled() const { return clock_.Enabled(); }
  // For tests and benchmarks: counters set outright, the clock held or let go.
  LevelCounters& MutableCounters() { return score_.MutableCounters(); }
  void SetClockEnabled(bool on) { clock_.SetEnabled(on); }

  // The parts, for the screens to draw and the other rules to read.
  const LevelStage& Stage() const { return stage_; }
  const Scoreboard& Score() const { return score_; }
  const ScriptClock& Clock() const { return clock_; }
  const Spawning& Spawner() const { return spawning_; }
  const DrillWaves& Drill() const { return drill_; }

 private:
  using LevelHooks::Trace;

  // The script's other steps (see ScriptSteps).
  void WaveStarts() override { drill_.WaveStarts(); }
  int32_t WaveEndCheck() override { return spawning_.WaveEndCheck(); }
  void WaveEndChecked() override;
  void StepDone() override { spawning_.RestartRamp(); }
  void EndOfLevel() override;

  void BeginLevel(const std::string& name);
  void LoadLevelOrThrow(const std::string& name);
  std::string LevelDir(const std::string& name) const;
  void InvalidateAll();

  Services& services_;
  SharedState& shared_;
  LevelPlayHost& host_;
  std::string currentLevelName_;

  // The parts, each made with the ones it uses; the clock's timers are made after the ticker's.
  LevelStage stage_;
  Scoreboard score_;
  ScriptClock clock_;
  PauseControl pause_;
  LetterTyping typing_;
  DrillWaves drill_;
  Spawning spawning_;
};
