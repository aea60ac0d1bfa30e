// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded level: taking a level's places over, their letter tags, and how each place is typed.
#include "level/level_stage.h"

#include <algorithm>

#include "core/ini_store.h"
#include "core/level_counters.h"
#include "core/services.h"
#include "level/level_play_host.h"
#include "level/place_letters.h"
#include "platform/text_case.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

LevelStage::LevelStage(Services& services, LevelPlayHost& host)
    : services_(services), host_(host) {}

LevelStage::~LevelStage() = default;

void LevelStage::Take(std::unique_ptr<IniStore> map, std::vector<std::string> placeNames,
                      std::optional<std::vector<std::string>> letters,
                      std::vector<std::string> positions, std::vector<size_t> untypable) {
  mapStore_ = std::move(map);
  places_.clear();
  for (std::string& placeName : placeNames) places_.push_back(Place{std::move(placeName), nullptr});
  keyLetters_ = std::move(letters);
  placePositions_ = std::move(positions);
  untypable_ = std::move(untypable);
}

void LevelStage::UseDrillKeys(std::vector<std::string> positions,
                              std::vector<std::string> letters) {
  keyLetters_ = std::move(letters);
  placePositions_ = std::move(positions);
  untypable_.clear();
}

void LevelStage::SetPlaceLetter(size_t place, std::string letter) {
  if (keyLetters_) (*keyLetters_)[place] = std::move(letter);
}

void LevelStage::Show(ImagePtr map) {
  mapPicture_ = std::move(map);
  loaded_ = true;
}

void LevelStage::TellUntypable(const KeyTable& layout) {
  auto told = std::find_if(toldUntypable_.begin(), toldUntypable_.end(),
                           [&](const auto& entry) { return entry.first == layout; });
  if (told == toldUntypable_.end()) {
    told = toldUntypable_.insert(toldUntypable_.end(), {layout, {}});
  }
  std::vector<std::string> fresh;
  for (size_t place : untypable_) {
    const std::string& key = placePositions_[place];
    std::vector<std::string>& keys = told->second;
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) continue;
    keys.push_back(key);
    fresh.push_back(keyLetters_ ? (*keyLetters_)[place] : key);
  }
  if (!fresh.empty()) services_.messages.ShowNotice(UntypableNotice(fresh));
}

void LevelStage::CreateLetterTags(const std::string& bitmapPath) {
  for (const Place& place : places_) {
    auto tag = std::make_unique<TletterImage>(services_.timers, nullptr);
    TletterImage* raw = tag.get();
    const size_t index = letterTags_.size();
    letterTags_.push_back(LetterTagEntry{place.name, std::move(tag)});
    raw->Letter =
        keyLetters_ ? (*keyLetters_)[index] : mapStore_->ReadString(place.name, "letter", "");
    raw->BitmapFile = bitmapPath;
    raw->LColor = static_cast<uint32_t>(mapStore_->ReadInteger("Map", "LColor", 0));
    raw->LHLColor = static_cast<uint32_t>(mapStore_->ReadInteger("Map", "LHLColor", 16777215));
    raw->Lx = mapStore_->ReadInteger("Map", "Lx", -1);
    raw->Ly = mapStore_->ReadInteger("Map", "Ly", -1);
    raw->Lsize = mapStore_->ReadInteger("Map", "Lsize", 14);
    const int32_t dx = mapStore_->ReadInteger(place.name, "Dx", -1);
    const int32_t dy = mapStore_->ReadInteger(place.name, "Dy", -1);
    raw->Prepare(services_.pictures, services_.text);
    // A place may lie anywhere in 32 bits: the tag's position wraps like the counters.
    raw->Left = dx != -1 ? dx
                         : WrapAdd(WrapAdd(mapStore_->ReadInteger(place.name, "x", 0),
                                           mapStore_->ReadInteger(place.name, "w", 64) / 2),
                                   -(raw->Width() / 2));
    raw->Top = dy != -1 ? dy
                        : WrapAdd(WrapAdd(mapStore_->ReadInteger(place.name, "y", 0),
                                          mapStore_->ReadInteger(place.name, "h", 0)),
                                  3);
    raw->HomeLeft = raw->Left;
    raw->HomeTop = raw->Top;
    raw->Visible = !drillScene_ || !raw->Letter.empty();
  }
  // A tag redraws itself only from here on, once it has its place.
  for (LetterTagEntry& entry : letterTags_) {
    TletterImage* raw = entry.tag.get();
    entry.tag->SetChanged([this, raw] {
      host_.Invalidate({raw->Left, raw->Top, raw->Width(), raw->Height()});
    });
  }
}

void LevelStage::FreeLetterTags() {
  for (LetterTagEntry& entry : letterTags_) entry.tag.reset();
}

void LevelStage::ClearPlaces() {
  places_.clear();
  keyLetters_.reset();
  placePositions_.clear();
  untypable_.clear();
}

void LevelStage::Clear() {
  FreeLetterTags();
  letterTags_.clear();
  ClearPlaces();
  mapStore_.reset();
}

void LevelStage::Close() {
  Clear();
  loaded_ = false;
}

std::shared_ptr<const IniDocument> LevelStage::MapDocument() const {
  return mapStore_ ? mapStore_->Document() : nullptr;
}

std::string_view LevelStage::PlaceLetter(size_t i, const IniDocument* map) const {
  if (keyLetters_) return (*keyLetters_)[i];
  const IniEntry* entry = map ? map->FindEntry(places_[i].name, "letter") : nullptr;
  return entry ? std::string_view(entry->value) : std::string_view();
}

std::string LevelStage::PlacePosition(size_t i) const {
  // A place of a level whose letters name no US key is known by its letter, as its shots are.
  if (i < placePositions_.size() && !placePositions_[i].empty()) return placePositions_[i];
  if (drillScene_ || !mapStore_ || i >= places_.size()) return {};
  return ToLowerUtf8(mapStore_->ReadString(places_[i].name, "letter", ""));
}
