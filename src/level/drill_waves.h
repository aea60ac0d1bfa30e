// SPDX-License-Identifier: GPL-3.0-or-later
// What only a practice drill has in level play: the drill's keys for each wave, word waves with a
// word on each figure's plaque, and the word typing the key presses go to in them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "level/drill_source.h"
#include "level/held_keys.h"
#include "level/spawning.h"
#include "platform/key_table.h"

class LetterTyping;
class LevelPlayHost;
class LevelStage;
class PauseControl;
class Scoreboard;
class ScriptClock;
class WordTyping;
struct LevelHooks;
struct Services;
struct SharedState;

class DrillWaves : public SpawnPolicy {
 public:
  DrillWaves(Services& services, SharedState& shared, LevelPlayHost& host, const LevelHooks& hooks,
             LevelStage& stage, const Scoreboard& score, const ScriptClock& clock,
             PauseControl& pause, LetterTyping& typing);

  // A level is played next: no drill, and the word typing a drill gave goes.
  void PlayLevel();
  // The drill is played next.
  void PlayDrill(DrillSource& drill) { drill_ = &drill; }
  // The stage has taken a level over: no wave has run yet; in a drill the places get the drill's
  // keys for the first wave.
  void Load();
  void Close();
  // A wave starts: in a drill its keys are drawn anew and the drill says whether it carries words.
  void WaveStarts();
  // Figures that can no longer be shot leave the word typing and their plaques go.
  void PruneWordFigures();
  // A key press while word typing is set (see LevelPlay::KeyPress): only a held key's repeats are
  // dropped (true when this one was).
  bool KeyPress(bool isEscape, const std::string& text, const std::string& position,
                const KeyStroke& stroke);
  // Word waves outside a drill: typed characters go to typing's words (its figures named by their
  // place indices) instead of the places' letters. Not owned; null: letters.
  void SetWordTyping(WordTyping* typing) { wordTyping_ = typing; }

  // Where figures come up in a drill, and their words.
  bool PlaceOpen(size_t place) const override;
  std::optional<size_t> ChoosePlace(const std::vector<int>& free) override;
  // No bottle comes up in a word wave: only enemies carry words there.
  bool TemplateAllowed(const TbotImage& actor) const override;
  void StandingChanged() override { PruneWordFigures(); }
  void Spawned(size_t place, const TbotImage& actor) override;
  // In a word wave an enemy lives kWordLetterLifeMs longer for each letter of its word after the
  // first: a word takes longer to type than a letter.
  int32_t ExtraLifeMs(size_t place) const override;
  // A word figure lost with its word begun counts at the letter the player was stuck at; one
  // whose word nobody began counts at no key: the player was busy with another word, and its
  // keys were never tried.
  std::optional<std::string> LostChargedKey(size_t place) const override;
  static constexpr int32_t kWordLetterLifeMs = 700;

  // The drill being played; null in a level.
  DrillSource* Source() const { return drill_; }
  // In a drill, the key position each place carries in the current wave ("" for none).
  const std::vector<std::string>& Positions() const { return drillPositions_; }
  // The word typing key presses go to now; null while they go to the places' letters.
  WordTyping* Typing() const { return wordTyping_; }
  // In a drill: whether the running wave carries words, and the word of the figure at a place
  // (null when it has none).
  bool InWordWave() const { return wordWave_; }
  const DrillWord* WordAt(size_t place) const;

 private:
  void DrawLetters();
  void BeginWave();
  void GiveFigureWord(size_t place);
  void HideWordPlaque(size_t place);
  void MarkTypedLetters();
  void TellWordsReady();
  void ResolveWordCharacter(const std::string& typed, const std::string& position);
  // The key of the next letter due in a figure's word; empty for none.
  std::string WordKeyDue(int figure) const;
  // The key a miss pressed at pressed is charged to (see WordShot::charged).
  std::string MissChargedKey(const std::string& pressed) const;
  // The letter each of the drill's positions types on its layout.
  std::vector<std::string> LettersOf(const std::vector<std::string>& positions) const;

  Services& services_;
  SharedState& shared_;
  LevelPlayHost& host_;
  const LevelHooks& hooks_;
  LevelStage& stage_;
  const Scoreboard& score_;
  const ScriptClock& clock_;
  PauseControl& pause_;
  LetterTyping& typing_;

  // The drill being played, its positions in this wave and the layout they map by.
  DrillSource* drill_ = nullptr;
  std::vector<std::string> drillPositions_;
  std::optional<KeyTable> drillTable_;
  size_t drillWave_ = 0;
  bool wordWave_ = false;
  bool wordsReady_ = false;
  std::vector<DrillWord> placeWords_;   // by place: the word of its figure in a word wave
  std::vector<int32_t> figureNumbers_;  // by place: its figure's spawn count
  WordTyping* wordTyping_ = nullptr;
};
