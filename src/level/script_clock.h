// SPDX-License-Identifier: GPL-3.0-or-later
// The script clock: runs a level's Script.ini one step at a time on the 100 ms clock, counts a
// wave's time down to its end phase, keeps the level time with its red flash and the penalties.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class IniStore;
class LevelPlayHost;
class Timer;
struct LevelHooks;
struct Services;

// The work of the script's steps, which the clock asks for as they come due.
class ScriptSteps {
 public:
  virtual ~ScriptSteps() = default;
  // Step command 1: an actor template from an Objects folder.
  virtual void DefineTemplate(const std::string& key, const std::string& maxLifeText) = 0;
  // A wave's first tick, before anything of it happens.
  virtual void WaveStarts() = 0;
  // Every tick of a running wave: its fields DumpTime:DumpInterval:target.
  virtual void WaveTick(const std::vector<std::string>& fields) = 0;
  // The wave's time is up: releases what is done and returns how long the actors still standing
  // need in ms (0 or less: nothing, the wave is over).
  virtual int32_t WaveEndCheck() = 0;
  // After each end check, once its wait has gone into the wave and the level time.
  virtual void WaveEndChecked() = 0;
  // A step has finished and the next one comes up.
  virtual void StepDone() = 0;
  // The script has run out.
  virtual void EndOfLevel() = 0;
};

class ScriptClock {
 public:
  static constexpr int kClockMs = 100;
  static constexpr int kRedTimeMs = 400;
  // A wait this long or longer is an endless wave: penalties leave it alone.
  static constexpr int32_t kNoPenaltyAbove = 3600000;
  static constexpr uint32_t kTimeYellow = 65021;  // toolkit colour 0x00BBGGRR: 0x00FDFD
  static constexpr uint32_t kTimeRed = 255;

  // Makes the clock and the red-time flash timers, both stopped.
  ScriptClock(Services& services, LevelPlayHost& host, const LevelHooks& hooks, ScriptSteps& steps);
  ~ScriptClock();
  ScriptClock(const ScriptClock&) = delete;
  ScriptClock& operator=(const ScriptClock&) = delete;

  // The clock's tick: runs the next step, or ends the level when none is left.
  void ClockTimer();
  // Runs one step; returns how long it still waits in ms, or -1 when it is done.
  int32_t ExecuteStep(int32_t command, const std::string& param1, const std::string& param2);
  void AddLevelTime(int32_t delta);
  void redtimeTimer();
  // A miss or a civilian shot: the time flashes red, and a wave running on a finite wait waits
  // penaltyMs longer, which the level time shows.
  void Penalise(int32_t penaltyMs);

  bool Enabled() const;
  void SetEnabled(bool on);

  // A run of a level begins: default penalties, no end phase.
  void BeginRun();
  void SetPenalties(int32_t missMs, int32_t civilianMs);
  // The level time starts as the sum of the durations of the script's waves (steps by name).
  void TimeLevel(const IniStore& script, const std::vector<std::string>& steps);
  void TakeScript(std::unique_ptr<IniStore> script);
  // The steps to run, by section name, from the first; none is running.
  void QueueSteps(const std::vector<std::string>& steps);
  // Forgets the script and its steps.
  void DropScript();
  // DropScript, no end phase, and the clock stops.
  void Close();

  const std::deque<std::string>& PendingSteps() const { return pendingSteps_; }
  int32_t StepWait() const { return stepWait_; }
  bool EndPhase() const { return endPhase_; }
  int32_t LevelTimeMs() const { return levelTimeMs_; }
  int32_t MissPenaltyMs() const { return missPenaltyMs_; }
  int32_t CivilianPenaltyMs() const { return civilianPenaltyMs_; }
  // The level time as its label shows it ("1:05"), and its colour.
  const std::string& TimeText() const { return timeText_; }
  uint32_t TimeColor() const { return timeColor_; }

 private:
  int32_t WaveEndCheck();
  void SetTimeRed();

  Services& services_;
  LevelPlayHost& host_;
  const LevelHooks& hooks_;
  ScriptSteps& steps_;

  std::unique_ptr<Timer> clock_;
  std::unique_ptr<Timer> redtime_;
  std::recursive_mutex stepLock_;
  std::unique_ptr<IniStore> scriptStore_;
  std::deque<std::string> pendingSteps_;
  int32_t stepWait_ = -1;
  bool endPhase_ = false;
  int32_t levelTimeMs_ = 0;
  std::string timeText_ = "0:00";
  uint32_t timeColor_ = kTimeYellow;
  int32_t missPenaltyMs_ = 2000;
  int32_t civilianPenaltyMs_ = 3000;
};
