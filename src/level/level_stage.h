// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded level: its Map.ini, the places and the actor standing at each, their letter tags,
// each place's letter and key, the places nobody can type, the map picture and the difficulty.
#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/image.h"
#include "platform/key_table.h"

class IniDocument;
class IniStore;
class LevelPlayHost;
class TbotImage;
class TletterImage;
struct Services;

struct Place {
  std::string name;
  TbotImage* actor = nullptr;  // not owned
};

struct LetterTagEntry {
  std::string place;
  std::unique_ptr<TletterImage> tag;
};

class LevelStage {
 public:
  // The world in pixels: the map's shown part, and where actors and tags stand.
  static constexpr int kScreenWidth = 640;
  static constexpr int kScreenHeight = 480;

  LevelStage(Services& services, LevelPlayHost& host);
  ~LevelStage();
  LevelStage(const LevelStage&) = delete;
  LevelStage& operator=(const LevelStage&) = delete;

  // Whether the level played is a practice drill's scene: its places carry the drill's keys, a
  // place without one shows no tag, and a place is known by its key alone.
  void SetDrillScene(bool drill) { drillScene_ = drill; }
  void SetDifficultyName(std::string name) { difficultyName_ = std::move(name); }
  // Takes over a level's Map.ini and its places, none with an actor yet, and how they are typed
  // (see PlaceKeys).
  void Take(std::unique_ptr<IniStore> map, std::vector<std::string> placeNames,
            std::optional<std::vector<std::string>> letters, std::vector<std::string> positions,
            std::vector<size_t> untypable);
  // A drill's keys for the places, in place order (empty: none): each one's key position and the
  // letter it types. The drill draws them among the keys the layout types.
  void UseDrillKeys(std::vector<std::string> positions, std::vector<std::string> letters);
  // In a word wave the key a figure's word starts with, and that word's first letter, stand for
  // its place. A letter is kept only where the places' letters are not read from Map.ini.
  void SetPlacePosition(size_t place, std::string position) {
    placePositions_[place] = std::move(position);
  }
  void SetPlaceLetter(size_t place, std::string letter);
  // Throws when a tag's picture cannot be read; Clear then leaves nothing half-built.
  void CreateLetterTags(const std::string& bitmapPath);
  // The map picture; the level is loaded from now on.
  void Show(ImagePtr map);
  // Tells the player about the places nobody can type on their layout, once per program run for
  // each key and layout.
  void TellUntypable(const KeyTable& layout);
  void FreeLetterTags();
  // Forgets the places and how they are typed.
  void ClearPlaces();
  // Forgets the places, their tags and Map.ini (not whether a level is loaded).
  void Clear();
  // Clear, and no level is loaded.
  void Close();

  bool Loaded() const { return loaded_; }
  const std::vector<Place>& Places() const { return places_; }
  std::vector<Place>& Places() { return places_; }
  const std::vector<LetterTagEntry>& LetterTags() const { return letterTags_; }
  std::vector<LetterTagEntry>& LetterTags() { return letterTags_; }
  const ImagePtr& MapPicture() const { return mapPicture_; }
  const std::string& DifficultyName() const { return difficultyName_; }
  const IniStore* MapStore() const { return mapStore_.get(); }
  // Map.ini as it reads now, for many looks at once; null without a level.
  std::shared_ptr<const IniDocument> MapDocument() const;
  // The places of the running level whose key types nothing on the player's layout, by index;
  // no figure comes up there.
  const std::vector<size_t>& UntypablePlaces() const { return untypable_; }
  // The US key each place's letter names, in place order ("" for none): the drill's in a drill.
  const std::vector<std::string>& PlacePositions() const { return placePositions_; }
  // The letter of place i that typing is compared with; map is MapDocument().
  std::string_view PlaceLetter(size_t i, const IniDocument* map) const;
  // The key position of place i: its key where it names one, else, outside a drill, its letter
  // as Map.ini writes it.
  std::string PlacePosition(size_t i) const;

 private:
  Services& services_;
  LevelPlayHost& host_;

  bool loaded_ = false;
  bool drillScene_ = false;
  std::unique_ptr<IniStore> mapStore_;
  std::vector<Place> places_;
  std::vector<LetterTagEntry> letterTags_;
  // Set when the level's letters name US keys, and in a drill: each place's letter on the active
  // layout, in place order. Empty otherwise, and the letters are read from Map.ini as written.
  std::optional<std::vector<std::string>> keyLetters_;
  // The US key each place's letter names in a level whose letters name US keys, else empty.
  std::vector<std::string> placePositions_;
  std::vector<size_t> untypable_;
  // Untypable keys already told of in this run of the program, per layout.
  std::vector<std::pair<KeyTable, std::vector<std::string>>> toldUntypable_;
  ImagePtr mapPicture_;
  std::string difficultyName_;
};
