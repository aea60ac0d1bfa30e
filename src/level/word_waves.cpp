// SPDX-License-Identifier: GPL-3.0-or-later
// Word waves of a drill in level play: each figure comes up with a word on a plaque, typed
// letters go to the words, and what they did is told to the listener.
#include "level/level_play.h"

#include "core/services.h"
#include "core/shared_state.h"
#include "level/drill_source.h"
#include "level/level_listener.h"
#include "level/word_plaques.h"
#include "platform/text_case.h"
#include "platform/text_measurer.h"
#include "words/word_list.h"
#include "words/word_typing.h"
#include "targets/bot_image.h"
#include "targets/letter_image.h"

#include <algorithm>
#include <mutex>

namespace {
constexpr uint8_t kEnemy = 0;

bool CanBeShot(const TbotImage* actor) {
  return actor && !actor->Dump && !actor->Deadly && !actor->Deathing && !actor->Activity;
}

// The letter at index of a UTF-8 word, as UTF-8; empty past its end.
std::string LetterOf(const std::string& word, size_t index) {
  const std::optional<std::u32string> letters = DecodeUtf8(word);
  if (!letters || index >= letters->size()) return {};
  return EncodeUtf8(letters->substr(index, 1));
}
}  // namespace

const DrillWord* LevelPlay::WordAt(size_t place) const {
  if (!wordWave_ || place >= placeWords_.size() || placeWords_[place].text.empty()) return nullptr;
  return &placeWords_[place];
}

void LevelPlay::BeginDrillWave() {
  wordWave_ = drill_->BeginWave(drillWave_++, services_.random);
  wordTyping_ = wordWave_ ? drill_->Typing() : nullptr;
  if (!wordTyping_) wordWave_ = false;
  placeWords_.assign(places_.size(), DrillWord{});
  figureNumbers_.assign(places_.size(), 0);
  if (wordWave_) {
    // The places carry no letters in a word wave: a plaque comes up with each figure.
    for (LetterTagEntry& entry : letterTags_) {
      TletterImage* tag = entry.tag.get();
      host_.Invalidate({tag->Left, tag->Top, tag->Width(), tag->Height()});
      tag->Visible = false;
    }
  }
  TellWordsReady();
}

void LevelPlay::GiveFigureWord(size_t place, const TbotImage& actor) {
  if (!wordTyping_ || place >= places_.size()) return;
  std::vector<std::string> standing;
  for (int figure : wordTyping_->Figures()) {
    if (figure >= 0 && static_cast<size_t>(figure) < placeWords_.size()) standing.push_back(placeWords_[figure].text);
  }
  DrillWord word = drill_->WordFor(standing, services_.random);
  if (word.text.empty()) return;
  figureNumbers_[place] = counters_.Bots;
  // A figure lost here counts at its word's first key, the one the player had to find first.
  if (!word.keys.empty()) placePositions_[place] = word.keys.front();
  if (keyLetters_) (*keyLetters_)[place] = LetterOf(word.text, 0);

  TletterImage* tag = letterTags_[place].tag.get();
  const TextSize size = services_.text.MeasureBold(word.text, TletterImage::PixelSize(tag->Lsize));
  const int pictureWidth = tag->Picture ? tag->Picture->width : 0;
  const int width = std::max(size.width + 2 * TletterImage::kPlaqueMargin, pictureWidth);
  std::vector<PlaqueBox> others;
  for (size_t i = 0; i < letterTags_.size(); ++i) {
    const TletterImage* other = letterTags_[i].tag.get();
    if (i != place && other->Visible && other->HasWord()) {
      others.push_back({other->Left, other->Top, other->Width(), other->Height()});
    }
  }
  const PlaqueBox home{tag->HomeLeft, tag->HomeTop, pictureWidth, tag->Height()};
  const PlaqueBox box = PlacePlaque(home, width, tag->Height(), others, kScreenWidth, kScreenHeight);
  host_.Invalidate({tag->Left, tag->Top, tag->Width(), tag->Height()});
  tag->ShowWord(word.text, size.width, size.height, box.left, box.top);
  tag->Visible = tag->Picture != nullptr;
  wordTyping_->FigureReady(static_cast<int>(place), word.text, actor.Character == kEnemy);
  placeWords_[place] = std::move(word);
  TellWordsReady();
}

void LevelPlay::HideWordPlaque(size_t place) {
  if (place >= letterTags_.size()) return;
  TletterImage* tag = letterTags_[place].tag.get();
  if (!tag->HasWord()) return;
  host_.Invalidate({tag->Left, tag->Top, tag->Width(), tag->Height()});
  tag->Visible = false;
  tag->ClearWord();
}

void LevelPlay::PruneWordFigures() {
  if (!wordTyping_) return;
  for (int figure : wordTyping_->Figures()) {
    const auto place = static_cast<size_t>(figure);
    const TbotImage* actor = figure >= 0 && place < places_.size() ? places_[place].actor : nullptr;
    if (CanBeShot(actor)) continue;
    wordTyping_->FigureGone(figure);
    HideWordPlaque(place);
  }
  TellWordsReady();
}

void LevelPlay::MarkTypedLetters() {
  for (size_t i = 0; i < letterTags_.size(); ++i) {
    TletterImage* tag = letterTags_[i].tag.get();
    if (!tag->HasWord()) continue;
    const size_t typed = wordTyping_ ? wordTyping_->TypedLetters(static_cast<int>(i)) : 0;
    if (typed == tag->Typed) continue;
    tag->Typed = typed;
    host_.Invalidate({tag->Left, tag->Top, tag->Width(), tag->Height()});
  }
}

void LevelPlay::TellWordsReady() {
  const bool ready = wordWave_ && wordTyping_ && wordTyping_->AnyReady();
  if (ready == wordsReady_) return;
  wordsReady_ = ready;
  if (listener) listener->WordsReadyChanged(ready);
}

bool LevelPlay::WordKeyPress(bool isEscape, const std::string& text, const std::string& position,
                             const KeyStroke& stroke) {
  // Typists roll over from key to key: only a held key's repeats are dropped.
  if (heldKeys_.PressRollingOver(stroke, ClockEnabled())) return true;
  FormKeyDown(isEscape);
  if (ClockEnabled() && !text.empty()) ResolveWordCharacter(text, position);
  return false;
}

void LevelPlay::ResolveWordCharacter(const std::string& typed, const std::string& position) {
  std::lock_guard<std::recursive_mutex> lock(inputLock_);
  // Figures that can no longer be shot leave first, so a lock on one of them ends.
  PruneWordFigures();
  WordShot shot;
  shot.typed = FirstCharacterUtf8(typed);
  const WordKeyOutcome outcome = wordTyping_->KeyPress(typed, false);
  if (outcome.result == WordKeyResult::Dropped) return;
  const auto place = static_cast<size_t>(outcome.figure);
  const bool known = outcome.figure >= 0 && place < places_.size();
  shot.place = outcome.figure;
  shot.figure = known && place < figureNumbers_.size() ? figureNumbers_[place] : -1;
  if (outcome.result == WordKeyResult::Miss) {
    ApplyResult("MISS");
    shot.result = "MISS";
    shot.position = position;
    shot.counted = !endPhase_;
    if (listener) listener->WordLetterResolved(shot);
    MarkTypedLetters();
    return;
  }
  const DrillWord* word = known ? WordAt(place) : nullptr;
  shot.wordPos = static_cast<int>(outcome.position);
  shot.letter = word ? LetterOf(word->text, outcome.position) : shot.typed;
  shot.position = word && outcome.position < word->keys.size() ? word->keys[outcome.position] : position;
  if (outcome.result != WordKeyResult::Completed) {
    shot.result = "LETTER";
    if (listener) listener->WordLetterResolved(shot);
    MarkTypedLetters();
    return;
  }
  hitPlace_ = outcome.figure;
  TbotImage* actor = places_[place].actor;
  const char* result = outcome.enemy ? "POINT" : "CIVILIAN";
  ApplyResult(result);
  shot.result = result;
  shot.wordLen = static_cast<int>(outcome.letters);
  if (listener) listener->WordLetterResolved(shot);
  if (shared_.soundOn) {
    services_.sound.Play(shared_.appDir + "sounds/wood" + std::to_string(services_.random.Between(1, 3)));
  }
  actor->Hit();
  HideWordPlaque(place);
  MarkTypedLetters();
  TellWordsReady();
}
