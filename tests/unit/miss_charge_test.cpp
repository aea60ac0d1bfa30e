// SPDX-License-Identifier: GPL-3.0-or-later
// The key a miss is charged to, as level play tells it and the records keep it: the ready figure
// nearest the pressed key on the staggered keyboard, the locked word's due letter, none for a tie,
// a key far from every figure or outside the typing area; and the typing time of word letters.
#include "design/learning_typist.h"
#include "drill_scene.h"
#include "level/aimed_key.h"
#include "level/drill_source.h"
#include "progress/progress_recorder.h"
#include "sql_probe.h"
#include "words/word_typing.h"

#include <gtest/gtest.h>

namespace {

bool Ready(const TbotImage* a) { return a && !a->Dump && !a->Deathing && !a->Activity && !a->Deadly; }

// Level play recording into a Progress.db of its own.
struct Recorded {
  Recorded() {
    h.shared.playerStore->WriteString("Tester", "up", "Easy");
    h.shared.dataDir = h.dir + "/";
    h.play->listener = &recorder;
  }
  // "typed>charged" of the misses (NULL: no charge told), in the order typed.
  std::string Misses() {
    h.play->listener = nullptr;
    recorder.Flush();
    return QueryValue(h.dir + "/Progress.db",
                      "SELECT group_concat(typed || '>' || coalesce(charged, 'NULL'), ' ') FROM shots"
                      " WHERE result = 'MISS' ORDER BY id");
  }
  // A level of the given places (name:x:y:side:letter, one figure each, all with one life) played
  // until every figure stands ready.
  bool PlayUntilReady(const std::string& places, const std::string& lifeMs, size_t count) {
    h.WriteLevel("Level1", "[Map]\nLayout=us\n" + MapIni(places, "Easy=0:0:0:2000:3000\n").substr(6),
                 TemplateStep("t", "bandit", lifeMs) + WaveStep("w", "60000", "100:100:" + std::to_string(count)));
    h.play->StartLevel("Level1");
    return AllReady(count);
  }
  bool AllReady(size_t places) {
    return h.timers.AdvanceUntil(
        [&] {
          for (size_t p = 0; p < places; ++p) {
            if (!Ready(h.ActorAt(p))) return false;
          }
          return true;
        },
        20000);
  }
  LevelHarness h;
  ProgressRecorder recorder{h.shared, h.timers, h.messages, [] { return int64_t{1765240245000}; }};
};

// A drill with word waves only: the places carry the given keys, each figure gets the next word.
struct WordsOnly : DrillSource {
  explicit WordsOnly(LevelHarness& h) : dir(h.dir + "/Maps/Level1/") {}
  std::string SceneDir() const override { return dir; }
  std::string ScriptPath() const override { return dir + "Script.ini"; }
  std::vector<std::string> DrawPositions(size_t count, Random&) override {
    std::vector<std::string> keys = positions;
    keys.resize(count);
    return keys;
  }
  size_t ChoosePlace(const std::vector<size_t>&, const std::vector<std::string>&, Random&) override { return 0; }
  bool BeginWave(size_t, Random&) override { return true; }
  DrillWord WordFor(const std::vector<std::string>&, Random&) override {
    return words.at(next++ % words.size());
  }
  WordTyping* Typing() override { return &typing; }
  void Finished(const LevelCounters&) override {}

  std::string dir;
  std::vector<std::string> positions = {"g", "h"};
  std::vector<DrillWord> words = {{"gas", {"g", "a", "s"}}, {"hit", {"h", "i", "t"}}};
  size_t next = 0;
  WordTyping typing;
};

// A recorded drill of those words whose two figures live lifeMs, played until both stand ready.
struct RecordedWords : Recorded {
  bool Start(const std::string& lifeMs) {
    WriteDrillScene(h, lifeMs, lifeMs);
    h.play->StartDrill("Practice", drill);
    return AllReady(2);
  }
  WordsOnly drill{h};
};

}  // namespace

TEST(AimedKey, TheNearestReadyKeyWithinASlipsReachUnlessTied) {
  struct Case {
    const char* pressed;
    std::vector<std::string> targets;
    const char* aimed;
  } cases[] = {
      {"h", {"g"}, "g"},          // beside it
      {"t", {"g"}, "g"},          // diagonal slips, up and down
      {"b", {"g"}, "g"},
      {"y", {"g"}, "g"},          // 1¼ key widths: still a slip
      {"j", {"g"}, ""},           // two keys away
      {"g", {"f", "h"}, ""},      // an exact tie
      {"j", {"f", "h", "k"}, ""}, // tied between h and k
      {"d", {"f", "k"}, "f"},
      {"1", {"q"}, "q"},          // the rows' stagger: 1 is nearer q than w
      {"3", {"q", "w"}, "w"},
      {"", {"f"}, ""},            // no key known
      {" ", {"f"}, ""},           // outside the typing area
  };
  for (const Case& c : cases) EXPECT_EQ(AimedKey(c.pressed, c.targets), c.aimed) << c.pressed;
}

TEST(MissCharge, LetterWavesChargeTheNearestReadyEnemyOrNoKey) {
  {
    // f and h enemies, p a townsman: all standing, ready to be shot.
    Recorded r;
    ASSERT_TRUE(r.PlayUntilReady("a:0:40:1:f b:70:40:1:h c:140:40:1:p", "60000", 3));
    // Turn the figure at p into a townsman, so it is no target.
    r.h.ActorAt(2)->Character = 1;
    for (const char* key : {"g", "j", "y", "b", "o"}) r.h.Type(key, key);
    r.h.Type(" ");
    r.h.play->QuitToMenu();
    // g: tied between f and h; j, y (diagonal), b (diagonal): h; o: beside the townsman only.
    EXPECT_EQ(r.Misses(), "g> j>h y>h b>h o>  >");
  }
  {
    // One enemy, at f; pressed beside it, far from it, and on its key once it is going.
    Recorded r;
    ASSERT_TRUE(r.PlayUntilReady("a:0:40:1:f", "3000", 1));
    r.h.Type("d", "d");
    r.h.Type("q", "q");
    ASSERT_TRUE(r.h.timers.AdvanceUntil([&] { return r.h.ActorAt(0) && !Ready(r.h.ActorAt(0)); }, 20000));
    r.h.Type("f", "f");  // late: aimed at it, a miss at the key typed
    r.h.play->QuitToMenu();
    EXPECT_EQ(r.Misses(), "d>f q> f>f");
  }
  {
    // f and g side by side: the key of the one going pressed while the other is ready may be a
    // late press or a slip aimed at the ready one, and counts at no key.
    Recorded r;
    ASSERT_TRUE(r.PlayUntilReady("a:0:40:1:f b:70:40:1:g", "3000", 2));
    ASSERT_TRUE(r.h.timers.AdvanceUntil([&] { return Ready(r.h.ActorAt(0)) != Ready(r.h.ActorAt(1)); }, 20000));
    const std::string going = Ready(r.h.ActorAt(0)) ? "g" : "f";
    r.h.Type(going, going);
    r.h.play->QuitToMenu();
    EXPECT_EQ(r.Misses(), going + ">");
  }
}

TEST(MissCharge, WordWavesChargeTheDueLetterOrTheNearestWordAndTimeTheLetters) {
  RecordedWords r;
  ASSERT_TRUE(r.Start("60000"));
  r.h.Type("j", "j");  // no word locked: the nearest next letter is hit's h
  r.h.Run(300);
  r.h.Type("g", "g");  // gas locked, after a miss: no typing time
  r.h.Run(300);
  r.h.Type("d", "d");  // a wrong key while gas is locked: at its due a
  r.h.Run(300);
  r.h.Type("a", "a");  // right after a miss: no typing time
  r.h.Run(250);
  r.h.Type("s", "s");  // completes gas, 250 ms after a
  r.h.Run(400);
  r.h.Type("h", "h");  // hit's first letter: from the end of the lock on gas
  r.h.Run(200);
  r.h.Type(" ");  // the space bar does nothing in a word wave
  r.h.Type("\r");  // Enter: outside the typing area
  r.h.play->QuitToMenu();
  EXPECT_EQ(r.Misses(), "j>h d>a \r>");
  EXPECT_EQ(QueryValue(r.h.dir + "/Progress.db",
                       "SELECT group_concat(typed || ':' || charged || ':' || coalesce(typing_ms, '-'), ' ') FROM shots"
                       " WHERE result <> 'MISS' ORDER BY id"),
            "g:g:- a:a:- s:s:250 h:h:400");
}

TEST(MissCharge, ALostWordCountsAtTheLetterItWasStuckAtOrAtNoKeyWhenNobodyBeganIt) {
  RecordedWords r;
  r.drill.positions = {"g", "h", "", "", "", "y"};  // no figure ever comes up at y's place
  ASSERT_TRUE(r.Start("3000"));
  // The simulator's typist counts a lost figure as the records do: one with a word by its word
  // (as it typed it), one without (of a letter wave, standing on into a word wave) at its key.
  LearningTypist typist(*FindTypist("average"), LearningModel{}, {}, 1);
  typist.OnLost(0, *r.h.play);
  typist.OnLost(5, *r.h.play);
  EXPECT_EQ(typist.Log().count("g"), 0u);
  EXPECT_EQ(typist.Log().count("y") ? typist.Log().at("y").aims : std::deque<bool>{}, std::deque<bool>{false});
  r.h.Type("h", "h");  // hit begun, gas never
  r.h.Run(10000);      // both act long before this, their words unfinished
  r.h.play->QuitToMenu();
  EXPECT_EQ(r.Misses(), "NULL");  // none typed (and the rows are written)
  EXPECT_EQ(QueryValue(r.h.dir + "/Progress.db",
                       "SELECT group_concat(position || '>' || coalesce(charged, 'NULL'), ' ') FROM"
                       " (SELECT * FROM (SELECT position, charged FROM shots WHERE result = 'LOST'"
                       " ORDER BY id LIMIT 2) ORDER BY position)"),
            "g> h>i");
}
