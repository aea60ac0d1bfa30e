// SPDX-License-Identifier: GPL-3.0-or-later
// Actor templates from the Objects folders, and the waves that spawn live copies at free places.
#include "level/level_play.h"

#include "core/services.h"
#include "core/shared_state.h"
#include "level/drill_source.h"
#include "core/field_split.h"
#include "level/level_listener.h"
#include "platform/game_error.h"
#include "core/ini_store.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

#include <algorithm>

namespace {
constexpr uint8_t kEnemy = 0;
const char* const kSoundKeys[] = {"SND_ACTIVE", "SND_APPEAR", "SND_DEAD"};
const char* const kSoundDefaults[] = {"ACTIVE.nul", "APPEAR.nul", "DEAD.nul"};
}  // namespace

void LevelPlay::DefineTemplate(const std::string& key, const std::string& maxLifeText) {
  const std::string folder = mapStore_->ReadString("Objects", key, "");
  const std::string folderPath = shared_.appDir + "Objects/" + folder + "/";
  IniStore object(folderPath + "Object.ini");

  // The template joins the list only once it is whole, so a failed step leaves nothing behind.
  auto actor = std::make_unique<TbotImage>(services_, nullptr);
  actor->Dump = false;
  actor->Character = static_cast<uint8_t>(object.ReadInteger("object", "Character", 0));
  if (shared_.soundOn) {
    for (int i = 0; i < 3; ++i) {
      actor->AddSound(folderPath + object.ReadString("sound", kSoundKeys[i], kSoundDefaults[i]), kSoundKeys[i]);
    }
  }
  ImagePtr face = services_.pictures.LoadBitmap(folderPath + object.ReadString("images", "face", "Face.bmp"));
  actor->PicWidth = face->width;
  actor->PicHeight = face->height;
  actor->SetPicture(0, face);
  actor->SetPicture(1, services_.pictures.LoadBitmap(folderPath + object.ReadString("images", "dead", "dead.bmp")));
  actor->SetPicture(2, services_.pictures.LoadBitmap(folderPath + object.ReadString("images", "active", "active.bmp")));
  actor->MaxLife = WrapAdd(IntegerOrThrow(maxLifeText, "MaxLife"), extraMaxLife_);
  actor->Visible = false;
  templates_.push_back(Template{folder, std::move(actor)});
  Trace("template " + key + " -> " + folder);
}

void LevelPlay::WaveTick(const std::vector<std::string>& fields) {
  if (fields.size() < 3) throw GameError("a wave needs three fields: DumpTime:DumpInterval:target");
  waveTarget_ = static_cast<uint8_t>(WrapAdd(IntegerOrThrow(fields[2], "the wave's target"), extraActors_));

  for (Place& place : places_) {
    TbotImage* actor = place.actor;
    if (!actor) continue;
    if (actor->Acted) {
      actor->Acted = false;
      if (actor->Character == kEnemy) {
        counters_.Lost = WrapAdd(counters_.Lost, 1);
        counters_.LostScore = WrapAdd(counters_.LostScore, actor->MaxLife);
        Trace("acted at " + place.name);
        if (listener) {
          // Filed under the key the player had to type there, as a shot at the place is.
          const size_t index = static_cast<size_t>(&place - places_.data());
          const std::shared_ptr<const IniDocument> map = mapStore_->Document();
          listener->EnemyLost(index, std::string(PlaceLetter(index, map.get())), placePositions_[index]);
        }
      }
      labels_.lost = "lost: " + std::to_string(counters_.Lost);
      labels_.lostScore = "lostScore: " + std::to_string(counters_.LostScore);
    }
    if (actor->Deadly) {
      ReleaseActor(actor);
      place.actor = nullptr;
    }
  }
  PruneWordFigures();
  if (endPhase_) return;

  // A place nobody can type on the player's layout gets no figure: it could only be lost.
  std::vector<int> empty;
  for (size_t i = 0; i < places_.size(); ++i) {
    if (places_[i].actor) continue;
    // A drill's places without a key stay empty.
    if (drill_ && drillPositions_[i].empty()) continue;
    if (std::find(untypable_.begin(), untypable_.end(), i) != untypable_.end()) continue;
    empty.push_back(static_cast<int>(i));
  }
  if (waveTarget_ > spawnRamp_) {
    spawnRamp_ = WrapAdd(spawnRamp_, services_.random.Below(2));
    waveTarget_ = static_cast<uint8_t>(spawnRamp_);
  }
  const size_t occupied = static_cast<size_t>(
      std::count_if(places_.begin(), places_.end(), [](const Place& place) { return place.actor != nullptr; }));
  if (occupied >= waveTarget_ || empty.empty()) return;

  services_.random.ReseedFromClock();
  int placeIndex = 0;
  if (drill_) {
    const std::vector<size_t> candidates(empty.begin(), empty.end());
    placeIndex = empty[std::min(drill_->ChoosePlace(candidates, drillPositions_, services_.random), empty.size() - 1)];
  } else {
    placeIndex = empty[services_.random.Below(static_cast<int32_t>(empty.size()))];
  }
  if (templates_.empty()) throw GameError("a wave spawns before any actor is defined");
  const Template& source = templates_[services_.random.Below(static_cast<int32_t>(templates_.size()))];
  // Fields are checked before the actor is made, so a bad field leaves its place empty.
  const int32_t dumpInterval = IntegerOrThrow(fields[1], "DumpInterval");
  const int32_t dumpTime = WrapAdd(IntegerOrThrow(fields[0], "DumpTime"), extraDumpTime_);

  auto owned = std::make_unique<TbotImage>(services_, [this](int left, int top, int width, int height) {
    host_.Invalidate({left, top, width, height});
  });
  TbotImage* actor = owned.get();
  liveActors_.push_back(std::move(owned));
  Place& place = places_[placeIndex];
  place.actor = actor;
  actor->Assign(*source.actor);
  actor->Dump = false;
  actor->DumpInterval = dumpInterval;
  actor->DumpTime = dumpTime;
  actor->Left = mapStore_->ReadInteger(place.name, "x", 0);
  actor->Top = mapStore_->ReadInteger(place.name, "y", 0);
  actor->BoxWidth = mapStore_->ReadInteger(place.name, "w", actor->PicWidth);
  actor->BoxHeight = mapStore_->ReadInteger(place.name, "h", actor->PicHeight);
  actor->LetterTag = letterTags_[placeIndex].tag.get();
  actor->Side = static_cast<uint8_t>(mapStore_->ReadInteger(place.name, "side", 0));
  if (actor->Character == kEnemy) counters_.AllScore = WrapAdd(counters_.AllScore, actor->MaxLife);
  labels_.allScore = "AllScore: " + std::to_string(counters_.AllScore);
  counters_.Bots = WrapAdd(counters_.Bots, 1);
  labels_.bots = "bots: " + std::to_string(counters_.Bots);
  const std::string ladder = "sounds/pl_ladder" + std::to_string(services_.random.Between(1, 4)) + ".wav";
  PlaySound(ladder);
  Trace("spawn " + source.folder + " at " + place.name);
  if (onSpawn) onSpawn(static_cast<size_t>(placeIndex), *actor);
  if (wordWave_) GiveFigureWord(static_cast<size_t>(placeIndex), *actor);
  if (listener) listener->ActorSpawned(static_cast<size_t>(placeIndex));
  actor->Appear(actor->Side);
}
