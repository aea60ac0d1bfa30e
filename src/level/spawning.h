// SPDX-License-Identifier: GPL-3.0-or-later
// Spawning: the actor templates a level's script defines, and the waves that bring live copies up
// at the free places, ramping up to the wave's target.
#pragma once
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class LevelPlayHost;
class LevelStage;
class Scoreboard;
class TbotImage;
struct LevelHooks;
struct Services;
struct SharedState;

struct Template {
  std::string folder;
  std::unique_ptr<TbotImage> actor;
};

// What a practice drill decides in spawning; a level keeps these defaults.
class SpawnPolicy {
 public:
  virtual ~SpawnPolicy() = default;
  // Whether a figure may come up at a free place.
  virtual bool PlaceOpen(size_t /*place*/) const { return true; }
  // The place the next figure comes up at, among the open free places; nullopt: a random one.
  virtual std::optional<size_t> ChoosePlace(const std::vector<int>& /*free*/) {
    return std::nullopt;
  }
  // Whether a figure of the template may come up now.
  virtual bool TemplateAllowed(const TbotImage& /*actor*/) const { return true; }
  // Figures may have stopped standing to be shot (acted, dumped, gone).
  virtual void StandingChanged() {}
  // A figure has come up at place and is about to appear.
  virtual void Spawned(size_t /*place*/, const TbotImage& /*actor*/) {}
  // Time in ms the figure that has just come up at place lives beyond its kind's.
  virtual int32_t ExtraLifeMs(size_t /*place*/) const { return 0; }
  // The key an enemy lost at place is charged to, if the policy knows better than the place's
  // own key; empty: no key.
  virtual std::optional<std::string> LostChargedKey(size_t /*place*/) const { return std::nullopt; }
};

class Spawning {
 public:
  Spawning(Services& services, SharedState& shared, LevelPlayHost& host, const LevelHooks& hooks,
           LevelStage& stage, Scoreboard& score, SpawnPolicy& policy);
  ~Spawning();
  Spawning(const Spawning&) = delete;
  Spawning& operator=(const Spawning&) = delete;

  // Step command 1: the template of the Objects folder the level's Map.ini names under key.
  void DefineTemplate(const std::string& key, const std::string& maxLifeText);
  // One tick of a wave with fields DumpTime:DumpInterval:target: books the enemies that acted,
  // lets the deadly go, and outside the end phase brings one figure up when fewer stand than the
  // ramp allows.
  void WaveTick(const std::vector<std::string>& fields, bool endPhase);
  // The wave's time is up: releases dumped and deadly actors and returns how long the others
  // still need in ms (0: none).
  int32_t WaveEndCheck();
  void ReleaseActorsAtPlaces();
  // ReleaseActorsAtPlaces, and no actor stays live.
  void ReleaseAll();
  void ClearTemplates();
  // The difficulty's extras, added to each wave's target, DumpTime and MaxLife.
  void SetExtras(int32_t actors, int32_t dumpTime, int32_t maxLife);
  // The ramp starts again from one figure, as each step finishes.
  void RestartRamp() { spawnRamp_ = 1; }

  const std::vector<Template>& Templates() const { return templates_; }
  // Live actors in the order they were spawned (the drawing order).
  std::vector<const TbotImage*> LiveActors() const;
  uint8_t WaveTarget() const { return waveTarget_; }
  int32_t SpawnRamp() const { return spawnRamp_; }
  int32_t ExtraActors() const { return extraActors_; }
  int32_t ExtraDumpTime() const { return extraDumpTime_; }
  int32_t ExtraMaxLife() const { return extraMaxLife_; }

 private:
  void ReleaseActor(TbotImage* actor);
  void PlaySound(const std::string& relativePath);

  Services& services_;
  SharedState& shared_;
  LevelPlayHost& host_;
  const LevelHooks& hooks_;
  LevelStage& stage_;
  Scoreboard& score_;
  SpawnPolicy& policy_;

  std::vector<Template> templates_;
  std::list<std::unique_ptr<TbotImage>> liveActors_;
  uint8_t waveTarget_ = 0;
  int32_t spawnRamp_ = 0;
  int32_t extraActors_ = 0;
  int32_t extraDumpTime_ = 0;
  int32_t extraMaxLife_ = 0;
};
