// SPDX-License-Identifier: GPL-3.0-or-later
// Level play: set-up of the game screen's state, level loading and the ways out of a level.
#include "level/level_play.h"

#include "core/services.h"
#include "core/shared_state.h"
#include "level/drill_source.h"
#include "core/field_split.h"
#include "level/level_listener.h"
#include "level/place_letters.h"
#include "platform/game_error.h"
#include "platform/keyboard_layout.h"
#include "platform/write_refused.h"
#include "platform/text_case.h"
#include "core/ini_store.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

#include <algorithm>

namespace {
constexpr const char* kDefaultDifficultyRow = "0:0:0:2000:3000";

// Removes the first name equal to wanted, ignoring case; false when there is none.
bool RemoveFirstNoCase(std::vector<std::string>& names, std::string_view wanted) {
  auto it = std::find_if(names.begin(), names.end(),
                         [&](const std::string& name) { return EqualsNoCaseAscii(name, wanted); });
  if (it == names.end()) return false;
  names.erase(it);
  return true;
}
}  // namespace

LevelPlay::LevelPlay(Services& services, SharedState& shared, LevelPlayHost& host)
    : services_(services),
      shared_(shared),
      host_(host),
      ticker_(services.timers, [this] { host_.Invalidate({16, 400, 105, 73}); }) {
  clock_ = services.timers.CreateTimer(kClockMs, [this] { ClockTimer(); });
  redtime_ = services.timers.CreateTimer(kRedTimeMs, [this] { redtimeTimer(); });
  InitGameState();
  ResetCounters();
}

LevelPlay::~LevelPlay() {
  clock_->SetEnabled(false);
  ReleaseActorsAtPlaces();
  liveActors_.clear();
}

void LevelPlay::InitGameState() {
  // The locks and the ticker lines are members; the folder of the executable is shared state.
  services_.random.ReseedFromClock();
}

bool LevelPlay::ClockEnabled() const { return clock_->Enabled(); }

void LevelPlay::SetClockEnabled(bool on) { clock_->SetEnabled(on); }

std::string LevelPlay::LevelDir(const std::string& name) const {
  return shared_.appDir + "Maps/" + name + "/";
}

void LevelPlay::InvalidateAll() { host_.Invalidate({0, 0, kScreenWidth, kScreenHeight}); }

void LevelPlay::Trace(const std::string& text) {
  if (trace) trace(text);
}

void LevelPlay::StartLevel(const std::string& name) {
  // A drill's word typing is the drill's: a level after it types letters.
  if (drill_) wordTyping_ = nullptr;
  drill_ = nullptr;
  wordWave_ = false;
  BeginLevel(name);
}

void LevelPlay::StartDrill(const std::string& name, DrillSource& drill) {
  drill_ = &drill;
  BeginLevel(name);
}

void LevelPlay::BeginLevel(const std::string& name) {
  ticker_.ClearCaption();
  missPenaltyMs_ = 2000;
  civilianPenaltyMs_ = 3000;
  endPhase_ = false;
  currentLevelName_ = name;
  LoadLevel(currentLevelName_);
}

bool LevelPlay::LoadLevel(const std::string& name) {
  try {
    LoadLevelOrThrow(name);
    return true;
  } catch (const WriteRefused& e) {
    services_.messages.Show(e.what());
    return false;
  } catch (const std::exception& e) {
    services_.messages.Show("Cannot load " + name + ": " + e.what());
    return false;
  }
}

void LevelPlay::LoadLevelOrThrow(const std::string& name) {
  // Everything is built aside and taken over only when the whole level has loaded, so a
  // failure leaves no half-built level behind.
  const std::string dir = drill_ ? drill_->SceneDir() : LevelDir(name);
  auto mapStore = std::make_unique<IniStore>(dir + "Map.ini");
  auto scriptStore = std::make_unique<IniStore>(drill_ ? drill_->ScriptPath() : dir + "Script.ini");
  std::vector<std::string> placeNames = mapStore->ReadSections();

  std::string difficulty;
  if (shared_.playerStore) {
    difficulty = shared_.playerStore->ReadString(shared_.currentPlayer, "up", "");
    if (difficulty.empty()) {
      difficulty = "easy";
      // A drill never writes Player.ini: the profile's first level stores the choice.
      if (!drill_) shared_.playerStore->WriteString(shared_.currentPlayer, "up", "easy");
    }
  } else {
    difficulty = "easy";
  }
  difficultyName_ = difficulty;

  const std::vector<std::string> row =
      SplitFields(mapStore->ReadString("Map", difficulty, kDefaultDifficultyRow));
  if (row.size() < 5) {
    throw GameError("the difficulty row " + difficulty + " of Map.ini needs five fields");
  }
  const int32_t extraActors = IntegerOrThrow(row[0], "ExtraActors");
  const int32_t extraDumpTime = IntegerOrThrow(row[1], "ExtraDumpTime");
  const int32_t extraMaxLife = IntegerOrThrow(row[2], "ExtraMaxLife");
  const int32_t missPenalty = IntegerOrThrow(row[3], "the miss penalty");
  const int32_t civilianPenalty = IntegerOrThrow(row[4], "the civilian penalty");
  extraActors_ = extraActors;
  extraDumpTime_ = extraDumpTime;
  extraMaxLife_ = extraMaxLife;
  missPenaltyMs_ = missPenalty;
  civilianPenaltyMs_ = civilianPenalty;

  const std::vector<std::string> steps = scriptStore->ReadSections();
  levelTimeMs_ = 0;
  for (const std::string& step : steps) {
    if (scriptStore->ReadInteger(step, "command", 0) == 2) {
      levelTimeMs_ = WrapAdd(levelTimeMs_, scriptStore->ReadInteger(step, "param1", 0));
    }
  }
  AddLevelTime(0);

  if (!RemoveFirstNoCase(placeNames, "Map")) throw GameError("Map.ini has no [Map] section");
  if (!RemoveFirstNoCase(placeNames, "Objects")) throw GameError("Map.ini has no [Objects] section");

  ImagePtr map = services_.pictures.LoadJpeg(dir + "Map.jpg");
  PlaceKeys placeKeys = ReadPlaceKeys(*mapStore, placeNames, services_.keyboard);

  mapStore_ = std::move(mapStore);
  scriptStore_ = std::move(scriptStore);
  places_.clear();
  for (std::string& placeName : placeNames) places_.push_back(Place{std::move(placeName), nullptr});
  keyLetters_ = std::move(placeKeys.letters);
  placePositions_ = std::move(placeKeys.positions);
  untypable_ = std::move(placeKeys.untypable);
  drillPositions_.clear();
  drillWave_ = 0;
  wordWave_ = false;
  TellWordsReady();
  placeWords_.clear();
  figureNumbers_.clear();
  if (drill_) {
    wordTyping_ = nullptr;
    drillTable_ = services_.keyboard ? services_.keyboard->ActiveTable() : std::nullopt;
    drillPositions_ = drill_->DrawPositions(places_.size(), services_.random);
    drillPositions_.resize(places_.size());
    keyLetters_.emplace();
    for (const std::string& position : drillPositions_) {
      keyLetters_->push_back(drillTable_ ? drillTable_->MapLetter(position) : position);
    }
    // A drill's keys are its own, drawn among those the layout types.
    placePositions_ = drillPositions_;
    untypable_.clear();
  }
  pendingSteps_.assign(steps.begin(), steps.end());
  templates_.clear();
  stepWait_ = -1;
  try {
    CreateLetterTags(dir + mapStore_->ReadString("Map", "LBMP", ""));
  } catch (...) {
    FreeLetterTags();
    letterTags_.clear();
    places_.clear();
    keyLetters_.reset();
    placePositions_.clear();
    untypable_.clear();
    pendingSteps_.clear();
    mapStore_.reset();
    scriptStore_.reset();
    throw;
  }
  mapPicture_ = std::move(map);
  loaded_ = true;
  InvalidateAll();
  host_.ShowGameScreen();
  // Told over the level's picture before the clock runs: no figure has come up yet.
  if (placeKeys.layout && !untypable_.empty()) TellUntypable(*placeKeys.layout);
  clock_->SetEnabled(true);
  Trace("load " + name + " (" + difficulty + ")");
  if (listener) listener->LevelStarted(name, difficulty);
}

void LevelPlay::TellUntypable(const KeyTable& layout) {
  auto told = std::find_if(toldUntypable_.begin(), toldUntypable_.end(),
                           [&](const auto& entry) { return entry.first == layout; });
  if (told == toldUntypable_.end()) told = toldUntypable_.insert(toldUntypable_.end(), {layout, {}});
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

void LevelPlay::CreateLetterTags(const std::string& bitmapPath) {
  for (const Place& place : places_) {
    auto tag = std::make_unique<TletterImage>(services_.timers, nullptr);
    TletterImage* raw = tag.get();
    const size_t index = letterTags_.size();
    letterTags_.push_back(LetterTagEntry{place.name, std::move(tag)});
    raw->Letter = keyLetters_ ? (*keyLetters_)[index] : mapStore_->ReadString(place.name, "letter", "");
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
    raw->Visible = !drill_ || !raw->Letter.empty();
  }
  // A tag redraws itself only from here on, once it has its place.
  for (LetterTagEntry& entry : letterTags_) {
    TletterImage* raw = entry.tag.get();
    entry.tag->SetChanged([this, raw] { host_.Invalidate({raw->Left, raw->Top, raw->Width(), raw->Height()}); });
  }
}

void LevelPlay::FreeLetterTags() {
  for (LetterTagEntry& entry : letterTags_) entry.tag.reset();
}

void LevelPlay::ReleaseActor(TbotImage* actor) {
  if (!actor) return;
  host_.Invalidate({actor->Left, actor->Top, actor->Width, actor->Height});
  liveActors_.remove_if([actor](const std::unique_ptr<TbotImage>& live) { return live.get() == actor; });
}

void LevelPlay::ReleaseActorsAtPlaces() {
  for (Place& place : places_) {
    ReleaseActor(place.actor);
    place.actor = nullptr;
  }
}

void LevelPlay::CloseLevel() {
  FreeLetterTags();
  // No actor should be left standing now; any that is would have no place to be found at.
  ReleaseActorsAtPlaces();
  liveActors_.clear();
  places_.clear();
  keyLetters_.reset();
  placePositions_.clear();
  untypable_.clear();
  drillPositions_.clear();
  if (drill_) wordTyping_ = nullptr;
  wordWave_ = false;
  TellWordsReady();
  placeWords_.clear();
  figureNumbers_.clear();
  pendingSteps_.clear();
  templates_.clear();
  letterTags_.clear();
  mapStore_.reset();
  scriptStore_.reset();
  loaded_ = false;
  endPhase_ = false;
  clock_->SetEnabled(false);
  InvalidateAll();
}

void LevelPlay::QuitToMenu() {
  clock_->SetEnabled(false);
  if (listener) listener->LevelLeft(false);
  ReleaseActorsAtPlaces();
  CloseLevel();
  host_.HidePauseScreen();
  host_.HideGameScreen();
  host_.ShowMainMenu();
}

void LevelPlay::RestartLevel() {
  clock_->SetEnabled(false);
  if (listener) listener->LevelLeft(true);
  ReleaseActorsAtPlaces();
  CloseLevel();
  host_.HidePauseScreen();
  ResetCounters();
  if (drill_) {
    // A drill starts afresh; curlevel is neither read nor written.
    StartDrill(currentLevelName_, *drill_);
    return;
  }
  const int32_t level = shared_.playerStore ? shared_.playerStore->ReadInteger(shared_.currentPlayer, "curlevel", 1) : 1;
  StartLevel("Level" + std::to_string(level));
}

void LevelPlay::DrawDrillLetters() {
  drillPositions_ = drill_->DrawPositions(places_.size(), services_.random);
  drillPositions_.resize(places_.size());
  placePositions_ = drillPositions_;
  for (size_t i = 0; i < places_.size(); ++i) {
    const std::string& position = drillPositions_[i];
    const std::string letter = drillTable_ ? drillTable_->MapLetter(position) : position;
    (*keyLetters_)[i] = letter;
    TletterImage* tag = letterTags_[i].tag.get();
    host_.Invalidate({tag->Left, tag->Top, tag->Width(), tag->Height()});
    tag->ClearWord();
    tag->Letter = letter;
    tag->Prepare(services_.pictures, services_.text);
    tag->Visible = !letter.empty();
    host_.Invalidate({tag->Left, tag->Top, tag->Width(), tag->Height()});
  }
}

std::string LevelPlay::PlacePosition(size_t i) const {
  // A place of a level whose letters name no US key is known by its letter, as its shots are.
  if (i < placePositions_.size() && !placePositions_[i].empty()) return placePositions_[i];
  if (drill_ || !mapStore_ || i >= places_.size()) return {};
  return ToLowerUtf8(mapStore_->ReadString(places_[i].name, "letter", ""));
}

std::vector<const TbotImage*> LevelPlay::LiveActors() const {
  std::vector<const TbotImage*> actors;
  actors.reserve(liveActors_.size());
  for (const auto& actor : liveActors_) actors.push_back(actor.get());
  return actors;
}

void LevelPlay::ResetCounters() {
  counters_ = LevelCounters{};
  labels_.point = "Point: ";
  labels_.miss = "Miss: ";
  labels_.civilian = "Civilian: ";
  host_.Invalidate({560, 400, 80, 80});
}

void LevelPlay::PlaySound(const std::string& relativePath) {
  if (shared_.soundOn) services_.sound.Play(shared_.appDir + relativePath);
}
