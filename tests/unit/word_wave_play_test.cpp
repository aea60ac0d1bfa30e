// SPDX-License-Identifier: GPL-3.0-or-later
// Word waves in level play: practice hands level play a word-typing state, and typed letters go to
// the figures' words; without it the letters of the places decide, as in every level.
#include "design/simulation.h"
#include "level_harness.h"
#include "words/word_typing.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Two places; each figure that comes up gets the word of its place.
struct WordWave {
  explicit WordWave(const std::string& templ, const std::string& maxLife = "20000") {
    h.WriteLevel("Level1", MapIni("door:100:50:1:f window:300:50:1:j"),
                 TemplateStep("t", templ, maxLife) + WaveStep("w", "60000", "5000:0:2"));
    h.host.onResults = [this] {
      h.play->QuitToMenu();
      h.shared.returnToMenu = true;
    };
    h.play->onSpawn = [this](size_t place, const TbotImage& actor) {
      typing.FigureReady(static_cast<int>(place), words[place], actor.Character == 0);
    };
    h.play->SetWordTyping(&typing);
    h.play->StartLevel("Level1");
  }
  int32_t Misses() const { return h.Counter(&LevelCounters::Misses); }
  int32_t Hits() const { return h.Counter(&LevelCounters::Hits); }

  LevelHarness h;
  WordTyping typing;
  std::map<size_t, std::string> words = {{0, "dash"}, {1, "dad"}};
};

TEST(WordWavePlay, LettersLockContinueAndCompleteAWordThatShoots) {
  WordWave w("bandit");
  w.h.Run(1500);
  ASSERT_NE(w.h.ActorAt(0), nullptr);
  ASSERT_NE(w.h.ActorAt(1), nullptr);
  const int32_t life = w.h.ActorAt(0)->Life;
  // "f", the door's letter in the level, is no word's first letter here: a miss.
  w.h.Type("f");
  EXPECT_EQ(w.Misses(), 1);
  // d picks the door's "dash" (it came up first), though "dad" starts with d too.
  w.h.Type("d");
  w.h.Type("a");
  EXPECT_EQ(w.typing.Locked(), 0);
  w.h.Type("d");  // does not continue "dash": a miss, and the lock stays
  EXPECT_EQ(w.Misses(), 2);
  EXPECT_EQ(w.typing.TypedLetters(0), 2u);
  w.h.Type("s");
  EXPECT_EQ(w.Hits(), 0);
  EXPECT_FALSE(w.h.ActorAt(0)->Deathing);
  w.h.Type("h");
  EXPECT_EQ(w.Hits(), 1);
  EXPECT_TRUE(w.h.ActorAt(0)->Deathing);
  EXPECT_EQ(w.h.Counter(&LevelCounters::MyScore), life);
  EXPECT_FALSE(w.typing.Locked());
  // The next d picks the window's "dad".
  for (const char* letter : {"d", "a", "d"}) w.h.Type(letter);
  EXPECT_EQ(w.Hits(), 2);
  EXPECT_TRUE(w.h.ActorAt(1)->Deathing);
  EXPECT_EQ(w.Misses(), 2);
}

TEST(WordWavePlay, RolloverSpaceAndRepeats) {
  WordWave w("bandit");
  w.h.Run(1500);
  // No release between the presses: every one counts.
  EXPECT_FALSE(w.h.play->KeyPress(false, "d"));
  EXPECT_FALSE(w.h.play->KeyPress(false, "a"));
  EXPECT_TRUE(w.h.play->KeyPress(false, "a", {}, {.repeat = true}));  // a's repeat is dropped
  EXPECT_FALSE(w.h.play->KeyPress(false, " "));       // the space is no shot and no miss
  EXPECT_FALSE(w.h.play->KeyPress(false, "s"));
  EXPECT_FALSE(w.h.play->KeyPress(false, "h"));
  EXPECT_EQ(w.Hits(), 1);
  EXPECT_EQ(w.Misses(), 0);
  // Escape still pauses.
  w.h.play->KeyPress(true, "\x1b");
  EXPECT_FALSE(w.h.play->ClockEnabled());
}

TEST(WordWavePlay, TheLockEndsWhenItsFigureActsAndATownspersonsWordIsACivilian) {
  WordWave enemies("bandit", "1000");
  enemies.h.Run(900);
  ASSERT_NE(enemies.h.ActorAt(0), nullptr);
  enemies.h.Type("d");
  ASSERT_EQ(enemies.typing.Locked(), 0);
  // Both figures run out of time and act: the lock ends, and "a" continues no word.
  enemies.h.Run(2000);
  ASSERT_TRUE(enemies.h.ActorAt(0) == nullptr || !Shootable(*enemies.h.ActorAt(0)));
  enemies.h.Type("a");
  EXPECT_EQ(enemies.Misses(), 1);
  EXPECT_FALSE(enemies.typing.Locked());

  WordWave town("townsman");
  town.h.Run(1500);
  for (const char* letter : {"d", "a", "s", "h"}) town.h.Type(letter);
  EXPECT_EQ(town.h.Counter(&LevelCounters::Civilians), 1);
  EXPECT_EQ(town.Hits(), 0);
}

TEST(WordWavePlay, WithoutWordTypingThePlacesLettersDecideAsInTheLevels) {
  WordWave w("bandit");
  w.h.play->SetWordTyping(nullptr);
  w.h.Run(1500);
  w.h.Type("d");
  EXPECT_EQ(w.Misses(), 1);
  w.h.Type("f");
  EXPECT_EQ(w.Hits(), 1);
  // A second key while one is down is dropped again.
  EXPECT_FALSE(w.h.play->KeyPress(false, "x"));
  EXPECT_TRUE(w.h.play->KeyPress(false, "j"));
  EXPECT_EQ(w.Hits(), 1);
}

}  // namespace
