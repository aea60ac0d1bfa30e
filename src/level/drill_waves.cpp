// SPDX-License-Identifier: GPL-3.0-or-later
// A drill in level play: its keys drawn for each wave, and word waves, where each figure comes up
// with a word on a plaque, typed letters go to the words, and what they did is told to the
// listener.
#include "level/drill_waves.h"

#include <algorithm>
#include <mutex>

#include "core/services.h"
#include "core/shared_state.h"
#include "level/aimed_key.h"
#include "level/letter_typing.h"
#include "level/level_hooks.h"
#include "level/level_listener.h"
#include "level/level_play_host.h"
#include "level/level_stage.h"
#include "level/pause_control.h"
#include "level/scoreboard.h"
#include "level/script_clock.h"
#include "level/word_plaques.h"
#include "platform/keyboard_layout.h"
#include "platform/text_case.h"
#include "platform/text_measurer.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"
#include "words/word_list.h"
#include "words/word_typing.h"

namespace {
constexpr uint8_t kEnemy = 0;
constexpr uint8_t kTownsperson = 1;

bool CanBeShot(const TbotImage* actor) {
  return actor && !actor->Dump && !actor->Deadly && !actor->Deathing && !actor->Activity;
}

// The letter at index of a UTF-8 word, as UTF-8; empty past its end.
std::string LetterOf(const std::string& word, size_t index) {
  const std::optional<std::u32string> letters = DecodeUtf8(word);
  if (!letters || index >= letters->size()) return {};
  return EncodeUtf8(letters->substr(index, 1));
}

ScreenRect BoxOf(const TletterImage& tag) { return {tag.Left, tag.Top, tag.Width(), tag.Height()}; }
}  // namespace

DrillWaves::DrillWaves(Services& services, SharedState& shared, LevelPlayHost& host,
                       const LevelHooks& hooks, LevelStage& stage, const Scoreboard& score,
                       const ScriptClock& clock, PauseControl& pause, LetterTyping& typing)
    : services_(services),
      shared_(shared),
      host_(host),
      hooks_(hooks),
      stage_(stage),
      score_(score),
      clock_(clock),
      pause_(pause),
      typing_(typing) {}

void DrillWaves::PlayLevel() {
  // A drill's word typing is the drill's: a level after it types letters.
  if (drill_) wordTyping_ = nullptr;
  drill_ = nullptr;
  wordWave_ = false;
}

std::vector<std::string> DrillWaves::LettersOf(const std::vector<std::string>& positions) const {
  std::vector<std::string> letters;
  for (const std::string& position : positions) {
    letters.push_back(drillTable_ ? drillTable_->MapLetter(position) : position);
  }
  return letters;
}

void DrillWaves::Load() {
  drillPositions_.clear();
  drillWave_ = 0;
  wordWave_ = false;
  TellWordsReady();
  placeWords_.clear();
  figureNumbers_.clear();
  if (!drill_) return;
  wordTyping_ = nullptr;
  drillTable_ = services_.keyboard ? services_.keyboard->ActiveTable() : std::nullopt;
  const size_t placeCount = stage_.Places().size();
  drillPositions_ = drill_->DrawPositions(placeCount, services_.random);
  drillPositions_.resize(placeCount);
  // A drill's keys are its own, drawn among those the layout types.
  stage_.UseDrillKeys(drillPositions_, LettersOf(drillPositions_));
}

void DrillWaves::Close() {
  drillPositions_.clear();
  if (drill_) wordTyping_ = nullptr;
  wordWave_ = false;
  TellWordsReady();
  placeWords_.clear();
  figureNumbers_.clear();
}

void DrillWaves::WaveStarts() {
  // A drill's letters are drawn anew as each wave starts; the last wave left no figure standing.
  if (!drill_) return;
  DrawLetters();
  BeginWave();
}

void DrillWaves::DrawLetters() {
  const size_t placeCount = stage_.Places().size();
  drillPositions_ = drill_->DrawPositions(placeCount, services_.random);
  drillPositions_.resize(placeCount);
  const std::vector<std::string> letters = LettersOf(drillPositions_);
  stage_.UseDrillKeys(drillPositions_, letters);
  for (size_t i = 0; i < placeCount; ++i) {
    TletterImage* tag = stage_.LetterTags()[i].tag.get();
    host_.Invalidate(BoxOf(*tag));
    tag->ClearWord();
    tag->Letter = letters[i];
    tag->Prepare(services_.pictures, services_.text);
    tag->Visible = !letters[i].empty();
    host_.Invalidate(BoxOf(*tag));
  }
}

void DrillWaves::BeginWave() {
  wordWave_ = drill_->BeginWave(drillWave_++, services_.random);
  wordTyping_ = wordWave_ ? drill_->Typing() : nullptr;
  if (!wordTyping_) wordWave_ = false;
  placeWords_.assign(stage_.Places().size(), DrillWord{});
  figureNumbers_.assign(stage_.Places().size(), 0);
  if (wordWave_) {
    // The places carry no letters in a word wave: a plaque comes up with each figure.
    for (LetterTagEntry& entry : stage_.LetterTags()) {
      TletterImage* tag = entry.tag.get();
      host_.Invalidate(BoxOf(*tag));
      tag->Visible = false;
    }
  }
  TellWordsReady();
}

bool DrillWaves::PlaceOpen(size_t place) const {
  // A drill's places without a key stay empty.
  return !drill_ || !drillPositions_[place].empty();
}

std::optional<size_t> DrillWaves::ChoosePlace(const std::vector<int>& free) {
  if (!drill_) return std::nullopt;
  const std::vector<size_t> candidates(free.begin(), free.end());
  const size_t chosen = drill_->ChoosePlace(candidates, drillPositions_, services_.random);
  return static_cast<size_t>(free[std::min(chosen, free.size() - 1)]);
}

bool DrillWaves::TemplateAllowed(const TbotImage& actor) const {
  // A bottle is shot like an enemy but counts as neither enemy nor townsperson.
  return !wordWave_ || actor.Character == kEnemy || actor.Character == kTownsperson;
}

void DrillWaves::Spawned(size_t place, const TbotImage& actor) {
  if (!wordWave_) return;
  // The place's last word went with its figure. Words go to enemies alone: a word typed is a
  // shot at an enemy, never at anyone else.
  if (place < placeWords_.size()) placeWords_[place] = DrillWord{};
  if (actor.Character == kEnemy) GiveFigureWord(place);
}

int32_t DrillWaves::ExtraLifeMs(size_t place) const {
  const DrillWord* word = WordAt(place);
  if (!word || word->keys.size() < 2) return 0;
  return static_cast<int32_t>(word->keys.size() - 1) * kWordLetterLifeMs;
}

std::optional<std::string> DrillWaves::LostChargedKey(size_t place) const {
  if (!wordTyping_ || !WordAt(place)) return std::nullopt;
  const auto figure = static_cast<int>(place);
  if (wordTyping_->TypedLetters(figure) == 0) return std::string();
  return WordKeyDue(figure);
}

const DrillWord* DrillWaves::WordAt(size_t place) const {
  if (!wordWave_ || place >= placeWords_.size() || placeWords_[place].text.empty()) return nullptr;
  return &placeWords_[place];
}

void DrillWaves::GiveFigureWord(size_t place) {
  if (!wordTyping_ || place >= stage_.Places().size()) return;
  std::vector<std::string> standing;
  for (int figure : wordTyping_->Figures()) {
    if (figure >= 0 && static_cast<size_t>(figure) < placeWords_.size()) {
      standing.push_back(placeWords_[figure].text);
    }
  }
  DrillWord word = drill_->WordFor(standing, services_.random);
  if (word.text.empty()) return;
  figureNumbers_[place] = score_.Counters().Bots;
  // The place carries the word's first key (see LostChargedKey for what a lost word counts at).
  if (!word.keys.empty()) stage_.SetPlacePosition(place, word.keys.front());
  stage_.SetPlaceLetter(place, LetterOf(word.text, 0));

  std::vector<LetterTagEntry>& tags = stage_.LetterTags();
  TletterImage* tag = tags[place].tag.get();
  const TextSize size = services_.text.MeasureBold(word.text, TletterImage::PixelSize(tag->Lsize));
  const int pictureWidth = tag->Picture ? tag->Picture->width : 0;
  const int width = std::max(size.width + 2 * TletterImage::kPlaqueMargin, pictureWidth);
  std::vector<PlaqueBox> others;
  for (size_t i = 0; i < tags.size(); ++i) {
    const TletterImage* other = tags[i].tag.get();
    if (i != place && other->Visible && other->HasWord()) {
      others.push_back({other->Left, other->Top, other->Width(), other->Height()});
    }
  }
  const PlaqueBox home{tag->HomeLeft, tag->HomeTop, pictureWidth, tag->Height()};
  const PlaqueBox box = PlacePlaque(home, width, tag->Height(), others, LevelStage::kScreenWidth,
                                    LevelStage::kScreenHeight);
  host_.Invalidate(BoxOf(*tag));
  tag->ShowWord(word.text, size.width, size.height, box.left, box.top);
  tag->Visible = tag->Picture != nullptr;
  wordTyping_->FigureReady(static_cast<int>(place), word.text, true);
  placeWords_[place] = std::move(word);
  TellWordsReady();
}

void DrillWaves::HideWordPlaque(size_t place) {
  if (place >= stage_.LetterTags().size()) return;
  TletterImage* tag = stage_.LetterTags()[place].tag.get();
  if (!tag->HasWord()) return;
  host_.Invalidate(BoxOf(*tag));
  tag->Visible = false;
  tag->ClearWord();
}

void DrillWaves::PruneWordFigures() {
  if (!wordTyping_) return;
  const std::vector<Place>& places = stage_.Places();
  for (int figure : wordTyping_->Figures()) {
    const auto place = static_cast<size_t>(figure);
    const TbotImage* actor = figure >= 0 && place < places.size() ? places[place].actor : nullptr;
    if (CanBeShot(actor)) continue;
    wordTyping_->FigureGone(figure);
    HideWordPlaque(place);
  }
  TellWordsReady();
}

void DrillWaves::MarkTypedLetters() {
  std::vector<LetterTagEntry>& tags = stage_.LetterTags();
  for (size_t i = 0; i < tags.size(); ++i) {
    TletterImage* tag = tags[i].tag.get();
    if (!tag->HasWord()) continue;
    const size_t typed = wordTyping_ ? wordTyping_->TypedLetters(static_cast<int>(i)) : 0;
    if (typed == tag->Typed) continue;
    tag->Typed = typed;
    host_.Invalidate(BoxOf(*tag));
  }
}

void DrillWaves::TellWordsReady() {
  const bool ready = wordWave_ && wordTyping_ && wordTyping_->AnyReady();
  if (ready == wordsReady_) return;
  wordsReady_ = ready;
  if (hooks_.listener) hooks_.listener->WordsReadyChanged(ready);
}

bool DrillWaves::KeyPress(bool isEscape, const std::string& text, const std::string& position,
                          const KeyStroke& stroke) {
  // Typists roll over from key to key: only a held key's repeats are dropped.
  if (typing_.Held().PressRollingOver(stroke, clock_.Enabled())) return true;
  pause_.FormKeyDown(isEscape);
  if (clock_.Enabled() && !text.empty()) ResolveWordCharacter(text, position);
  return false;
}

std::string DrillWaves::WordKeyDue(int figure) const {
  const auto place = static_cast<size_t>(figure);
  const std::vector<Place>& places = stage_.Places();
  if (figure < 0 || place >= places.size() || place >= placeWords_.size()) return {};
  if (!places[place].actor) return {};
  const std::vector<std::string>& keys = placeWords_[place].keys;
  const size_t next = wordTyping_->TypedLetters(figure);
  return next < keys.size() ? keys[next] : std::string();
}

std::string DrillWaves::MissChargedKey(const std::string& pressed) const {
  // A locked word's next letter is known exactly; without a lock the player aimed at the ready
  // word whose next key lies nearest the one pressed. A key outside the typing area (Enter,
  // Backspace) was aimed at nothing.
  if (!CentreOfKey(pressed)) return {};
  if (const std::optional<int> locked = wordTyping_->Locked()) return WordKeyDue(*locked);
  std::vector<std::string> next;
  for (int figure : wordTyping_->Figures()) {
    std::string key = WordKeyDue(figure);
    if (!key.empty()) next.push_back(std::move(key));
  }
  return AimedKey(pressed, next);
}

void DrillWaves::ResolveWordCharacter(const std::string& typed, const std::string& position) {
  std::lock_guard<std::recursive_mutex> lock(typing_.InputLock());
  // Figures that can no longer be shot leave first, so a lock on one of them ends.
  PruneWordFigures();
  WordShot shot;
  shot.typed = FirstCharacterUtf8(typed);
  // Charged before the press changes the lock: a miss is at the key the player had to press.
  const std::string missCharged = MissChargedKey(position);
  const WordKeyOutcome outcome = wordTyping_->KeyPress(typed, false);
  if (outcome.result == WordKeyResult::Dropped) return;
  const auto place = static_cast<size_t>(outcome.figure);
  const bool known = outcome.figure >= 0 && place < stage_.Places().size();
  shot.place = outcome.figure;
  shot.figure = known && place < figureNumbers_.size() ? figureNumbers_[place] : -1;
  if (outcome.result == WordKeyResult::Miss) {
    typing_.ApplyResult("MISS");
    shot.result = "MISS";
    shot.position = position;
    shot.charged = missCharged;
    shot.counted = !clock_.EndPhase();
    if (hooks_.listener) hooks_.listener->WordLetterResolved(shot);
    MarkTypedLetters();
    return;
  }
  const DrillWord* word = known ? WordAt(place) : nullptr;
  shot.wordPos = static_cast<int>(outcome.position);
  shot.letter = word ? LetterOf(word->text, outcome.position) : shot.typed;
  shot.position =
      word && outcome.position < word->keys.size() ? word->keys[outcome.position] : position;
  shot.charged = shot.position;  // only enemies carry words
  if (outcome.result != WordKeyResult::Completed) {
    shot.result = "LETTER";
    if (hooks_.listener) hooks_.listener->WordLetterResolved(shot);
    MarkTypedLetters();
    return;
  }
  typing_.SetHitPlace(outcome.figure);
  TbotImage* actor = stage_.Places()[place].actor;
  const char* result = outcome.enemy ? "POINT" : "CIVILIAN";
  typing_.ApplyResult(result);
  shot.result = result;
  shot.wordLen = static_cast<int>(outcome.letters);
  if (hooks_.listener) hooks_.listener->WordLetterResolved(shot);
  if (shared_.soundOn) {
    services_.sound.Play(shared_.appDir + "sounds/wood" +
                         std::to_string(services_.random.Between(1, 3)));
  }
  actor->Hit();
  HideWordPlaque(place);
  MarkTypedLetters();
  TellWordsReady();
}
