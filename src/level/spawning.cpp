// SPDX-License-Identifier: GPL-3.0-or-later
// Actor templates from the Objects folders, and the waves that spawn live copies at free places.
#include "level/spawning.h"

#include <algorithm>

#include "core/field_split.h"
#include "core/ini_store.h"
#include "core/level_counters.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "level/level_hooks.h"
#include "level/level_listener.h"
#include "level/level_play_host.h"
#include "level/level_stage.h"
#include "level/scoreboard.h"
#include "platform/game_error.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

namespace {
constexpr uint8_t kEnemy = 0;
const char* const kSoundKeys[] = {"SND_ACTIVE", "SND_APPEAR", "SND_DEAD"};
const char* const kSoundDefaults[] = {"ACTIVE.nul", "APPEAR.nul", "DEAD.nul"};
}  // namespace

Spawning::Spawning(Services& services, SharedState& shared, LevelPlayHost& host,
                   const LevelHooks& hooks, LevelStage& stage, Scoreboard& score,
                   SpawnPolicy& policy)
    : services_(services),
      shared_(shared),
      host_(host),
      hooks_(hooks),
      stage_(stage),
      score_(score),
      policy_(policy) {}

Spawning::~Spawning() = default;

void Spawning::SetExtras(int32_t actors, int32_t dumpTime, int32_t maxLife) {
  extraActors_ = actors;
  extraDumpTime_ = dumpTime;
  extraMaxLife_ = maxLife;
}

void Spawning::DefineTemplate(const std::string& key, const std::string& maxLifeText) {
  const std::string folder = stage_.MapStore()->ReadString("Objects", key, "");
  const std::string folderPath = shared_.appDir + "Objects/" + folder + "/";
  IniStore object(folderPath + "Object.ini");

  // The template joins the list only once it is whole, so a failed step leaves nothing behind.
  auto actor = std::make_unique<TbotImage>(services_, nullptr);
  actor->Dump = false;
  actor->Character = static_cast<uint8_t>(object.ReadInteger("object", "Character", 0));
  if (shared_.soundOn) {
    for (int i = 0; i < 3; ++i) {
      actor->AddSound(folderPath + object.ReadString("sound", kSoundKeys[i], kSoundDefaults[i]),
                      kSoundKeys[i]);
    }
  }
  ImagePtr face =
      services_.pictures.LoadBitmap(folderPath + object.ReadString("images", "face", "Face.bmp"));
  actor->PicWidth = face->width;
  actor->PicHeight = face->height;
  actor->SetPicture(0, face);
  actor->SetPicture(1, services_.pictures.LoadBitmap(
                           folderPath + object.ReadString("images", "dead", "dead.bmp")));
  actor->SetPicture(2, services_.pictures.LoadBitmap(
                           folderPath + object.ReadString("images", "active", "active.bmp")));
  actor->MaxLife = WrapAdd(IntegerOrThrow(maxLifeText, "MaxLife"), extraMaxLife_);
  actor->Visible = false;
  templates_.push_back(Template{folder, std::move(actor)});
  hooks_.Trace("template " + key + " -> " + folder);
}

void Spawning::WaveTick(const std::vector<std::string>& fields, bool endPhase) {
  if (fields.size() < 3) {
    throw GameError("a wave needs three fields: DumpTime:DumpInterval:target");
  }
  waveTarget_ =
      static_cast<uint8_t>(WrapAdd(IntegerOrThrow(fields[2], "the wave's target"), extraActors_));

  std::vector<Place>& places = stage_.Places();
  for (Place& place : places) {
    TbotImage* actor = place.actor;
    if (!actor) continue;
    if (actor->Acted) {
      actor->Acted = false;
      if (actor->Character == kEnemy) {
        score_.CountLost(actor->MaxLife);
        hooks_.Trace("acted at " + place.name);
        if (hooks_.listener) {
          // Filed under the key the player had to type there, as a shot at the place is.
          const size_t index = static_cast<size_t>(&place - places.data());
          const std::shared_ptr<const IniDocument> map = stage_.MapDocument();
          hooks_.listener->EnemyLost(index, std::string(stage_.PlaceLetter(index, map.get())),
                                     stage_.PlacePositions()[index]);
          if (const std::optional<std::string> charged = policy_.LostChargedKey(index)) {
            hooks_.listener->LostCharged(*charged);
          }
        }
      }
      score_.ShowLost();
    }
    if (actor->Deadly) {
      ReleaseActor(actor);
      place.actor = nullptr;
    }
  }
  policy_.StandingChanged();
  if (endPhase) return;

  // A place nobody can type on the player's layout gets no figure: it could only be lost.
  const std::vector<size_t>& untypable = stage_.UntypablePlaces();
  std::vector<int> empty;
  for (size_t i = 0; i < places.size(); ++i) {
    if (places[i].actor) continue;
    if (!policy_.PlaceOpen(i)) continue;
    if (std::find(untypable.begin(), untypable.end(), i) != untypable.end()) continue;
    empty.push_back(static_cast<int>(i));
  }
  if (waveTarget_ > spawnRamp_) {
    spawnRamp_ = WrapAdd(spawnRamp_, services_.random.Below(2));
    waveTarget_ = static_cast<uint8_t>(spawnRamp_);
  }
  const size_t occupied = static_cast<size_t>(std::count_if(
      places.begin(), places.end(), [](const Place& place) { return place.actor != nullptr; }));
  if (occupied >= waveTarget_ || empty.empty()) return;

  services_.random.ReseedFromClock();
  const std::optional<size_t> chosen = policy_.ChoosePlace(empty);
  const size_t placeIndex =
      chosen
          ? *chosen
          : static_cast<size_t>(empty[services_.random.Below(static_cast<int32_t>(empty.size()))]);
  if (templates_.empty()) throw GameError("a wave spawns before any actor is defined");
  // With every template allowed (always in a level) the draw is the same as over all of them.
  std::vector<size_t> allowed;
  for (size_t i = 0; i < templates_.size(); ++i) {
    if (policy_.TemplateAllowed(*templates_[i].actor)) allowed.push_back(i);
  }
  if (allowed.empty()) return;
  const Template& source =
      templates_[allowed[static_cast<size_t>(services_.random.Below(static_cast<int32_t>(allowed.size())))]];
  // Fields are checked before the actor is made, so a bad field leaves its place empty.
  const int32_t dumpInterval = IntegerOrThrow(fields[1], "DumpInterval");
  const int32_t dumpTime = WrapAdd(IntegerOrThrow(fields[0], "DumpTime"), extraDumpTime_);

  auto owned =
      std::make_unique<TbotImage>(services_, [this](int left, int top, int width, int height) {
        host_.Invalidate({left, top, width, height});
      });
  TbotImage* actor = owned.get();
  liveActors_.push_back(std::move(owned));
  Place& place = places[placeIndex];
  place.actor = actor;
  const IniStore& map = *stage_.MapStore();
  actor->Assign(*source.actor);
  actor->Dump = false;
  actor->DumpInterval = dumpInterval;
  actor->DumpTime = dumpTime;
  actor->Left = map.ReadInteger(place.name, "x", 0);
  actor->Top = map.ReadInteger(place.name, "y", 0);
  actor->BoxWidth = map.ReadInteger(place.name, "w", actor->PicWidth);
  actor->BoxHeight = map.ReadInteger(place.name, "h", actor->PicHeight);
  actor->LetterTag = stage_.LetterTags()[placeIndex].tag.get();
  actor->Side = static_cast<uint8_t>(map.ReadInteger(place.name, "side", 0));
  score_.CountSpawn(actor->Character == kEnemy, actor->MaxLife);
  const std::string ladder =
      "sounds/pl_ladder" + std::to_string(services_.random.Between(1, 4)) + ".wav";
  PlaySound(ladder);
  hooks_.Trace("spawn " + source.folder + " at " + place.name);
  if (hooks_.onSpawn) hooks_.onSpawn(placeIndex, *actor);
  policy_.Spawned(placeIndex, *actor);
  if (const int32_t extra = policy_.ExtraLifeMs(placeIndex); extra > 0) {
    actor->MaxLife = WrapAdd(actor->MaxLife, extra);
    if (actor->Character == kEnemy) score_.CountExtraScore(extra);
  }
  if (hooks_.listener) hooks_.listener->ActorSpawned(placeIndex);
  actor->Appear(actor->Side);
}

int32_t Spawning::WaveEndCheck() {
  int32_t wait = 0;
  for (Place& place : stage_.Places()) {
    TbotImage* actor = place.actor;
    if (!actor) continue;
    if (actor->Appearing && WrapAdd(actor->MaxLife, 1000) > wait) {
      wait = WrapAdd(actor->MaxLife, 1000);
    }
    if (actor->Deathing && wait < 1000) wait = 1000;
    if (actor->Activity && wait < 1000) wait = 1000;
    if (actor->Life > wait) wait = actor->MaxLife;
    if (actor->Dump || actor->Deadly) {
      ReleaseActor(actor);
      place.actor = nullptr;
    }
  }
  return wait;
}

void Spawning::ReleaseActor(TbotImage* actor) {
  if (!actor) return;
  host_.Invalidate({actor->Left, actor->Top, actor->Width, actor->Height});
  liveActors_.remove_if(
      [actor](const std::unique_ptr<TbotImage>& live) { return live.get() == actor; });
}

void Spawning::ReleaseActorsAtPlaces() {
  for (Place& place : stage_.Places()) {
    ReleaseActor(place.actor);
    place.actor = nullptr;
  }
}

void Spawning::ClearTemplates() { templates_.clear(); }

void Spawning::ReleaseAll() {
  ReleaseActorsAtPlaces();
  liveActors_.clear();
}

std::vector<const TbotImage*> Spawning::LiveActors() const {
  std::vector<const TbotImage*> actors;
  actors.reserve(liveActors_.size());
  for (const auto& actor : liveActors_) actors.push_back(actor.get());
  return actors;
}

void Spawning::PlaySound(const std::string& relativePath) {
  if (shared_.soundOn) services_.sound.Play(shared_.appDir + relativePath);
}
