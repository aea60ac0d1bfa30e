// SPDX-License-Identifier: GPL-3.0-or-later
// Word waves of a practice drill through level play in virtual time: which waves carry words,
// every figure of a word wave with a word of the set's keys on a plaque that fits it, inside the
// world and clear of the others, typed letters shooting, and the records of the words in
// Progress.db giving back words per minute and the letter-pair times.
#include "level/level_listener.h"
#include "level/drill_waves.h"
#include "level/word_plaques.h"
#include "drill_scene.h"
#include "practice/drill.h"
#include "practice/drill_words.h"
#include "words/word_list.h"
#include "words/words_source.h"
#include "words/word_typing.h"
#include "words/words_speed.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "targets/letter_image.h"
#include "old_progress_file.h"
#include "scratch_folder.h"
#include "sql_probe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

constexpr const char* kKeys = "asdfjklghtyrueiw";
constexpr const char* kWords =
    "dash\nsad\nlad\nfall\nhall\nglad\nflask\njag\nflag\nhalf\nlash\nsag\nsea\nseal\nsell\nshed\nshe\nfeel\n"
    "heal\nlead\nfee\nsee\nkid\nask\nthe\ntie\nsit\nwish\nfish\ndish\nrug\nhug\ntug\njug\ndug\nhis\nher\n"
    "their\nwide\nride\ntide\nside\nfade\njade\nshield\nfields\n";

void WriteScene(LevelHarness& h) { WriteDrillScene(h, "6000", "7000"); }

DrillPlan SixteenKeys(LevelHarness& h) {
  std::vector<std::string> keys;
  for (const char* k = kKeys; *k; ++k) keys.emplace_back(1, *k);
  DrillPlan plan = DrillOverScene(h, keys);
  plan.mastered = plan.keys;
  plan.focus = "a";
  return plan;
}

// The SQL block of docs/words.md that follows the line holding heading.
std::string DocQuery(const std::string& heading) {
  std::ifstream in(std::string(CONTENT_DIR) + "/../docs/words.md");
  std::stringstream s;
  s << in.rdbuf();
  const std::string text = s.str();
  const size_t at = text.find(heading);
  if (at == std::string::npos) return {};
  const size_t open = text.find("```sql\n", at);
  const size_t close = text.find("```", open + 7);
  if (open == std::string::npos || close == std::string::npos) return {};
  return text.substr(open + 7, close - open - 7);
}

bool Shootable(const TbotImage* a) { return a && !a->Dump && !a->Deathing && !a->Activity && !a->Deadly; }

struct WordDrill {
  explicit WordDrill(LevelHarness& h, void (*scene)(LevelHarness&) = WriteScene) : h(h), list(WordList::FromText(kWords)) {
    scene(h);
    auto drill = std::make_unique<PracticeDrill>(SixteenKeys(h), h.dir + "/drill.ini");
    drill->EnableWords(list, WordLanguage::English, DrillWordKeys(drill->Plan(), TypedAsUs(drill->Plan().keys)));
    this->drill = std::move(drill);
  }
  // Plays the drill to its end. In a word wave the first standing word is typed 500 ms after
  // its figure came up, a letter every 150 ms, with a wrong letter after the first one of every
  // seventh word; in a letter wave each figure's letter is typed. watch runs every 50 ms.
  template <class Watch>
  void Play(Watch&& watch) {
    std::map<size_t, int64_t> cameUp;
    h.play->onSpawn = [&](size_t place, const TbotImage&) { cameUp[place] = h.timers.NowMs(); };
    h.play->StartDrill("Practice", *drill);
    int words = 0;
    for (int tick = 0; tick < 4000 && !drill->IsFinished(); ++tick) {
      h.Run(50);
      watch();
      WordTyping* typing = h.play->Drill().Typing();
      if (h.play->Drill().InWordWave() && typing) {
        const std::vector<int> figures = typing->Figures();
        if (figures.empty()) continue;
        const auto place = static_cast<size_t>(figures.front());
        if (h.timers.NowMs() - cameUp[place] < 500 || !h.play->Drill().WordAt(place)) continue;
        const DrillWord word = *h.play->Drill().WordAt(place);
        ++words;
        for (size_t i = 0; i < word.keys.size() && Shootable(h.ActorAt(place)); ++i) {
          h.Type(word.keys[i]);
          if (i == 0 && words % 7 == 3) {
            h.Run(150);
            h.Type("q");  // no key of the set: a miss, and the lock stays
          }
          h.Run(150);
          watch();
        }
      } else {
        for (size_t p = 0; p < h.play->Stage().Places().size(); ++p) {
          if (Shootable(h.ActorAt(p)) && h.timers.NowMs() - cameUp[p] >= 400) h.Type(h.play->Drill().Positions()[p]);
        }
      }
    }
    ASSERT_TRUE(drill->IsFinished()) << h.play->Clock().PendingSteps().size() << " steps left at " << h.timers.NowMs()
                                     << " ms, " << h.Counter(&LevelCounters::Misses) << " misses";
  }

  LevelHarness& h;
  WordList list;
  std::unique_ptr<PracticeDrill> drill;
};

}  // namespace

TEST(WordDrill, WordWavesFollowTheRuleAndEveryFigureInThemCarriesAWordOfTheSetOnAPlaqueThatFits) {
  LevelHarness h;
  WordDrill w(h);
  // Sixteen keys and enough real words: three waves of five, the second, fourth and fifth.
  EXPECT_EQ(w.drill->WordWaveCount(), 3u);
  const std::set<std::string> keys(w.drill->Plan().keys.begin(), w.drill->Plan().keys.end());
  std::set<size_t> wordWaves;
  std::set<size_t> letterWaves;
  size_t wave = 0;
  size_t lastSteps = 0;
  int wordFigures = 0;
  auto watch = [&] {
    // A wave starts when the script's steps shrink.
    const size_t steps = h.play->Clock().PendingSteps().size();
    if (steps != lastSteps) {
      lastSteps = steps;
      wave = 5 - std::min<size_t>(steps, 5);
    }
    std::vector<PlaqueBox> plaques;
    for (size_t p = 0; p < h.play->Stage().Places().size(); ++p) {
      const TletterImage& tag = *h.play->Stage().LetterTags()[p].tag;
      const TbotImage* actor = h.ActorAt(p);
      if (!h.play->Drill().InWordWave()) {
        EXPECT_FALSE(tag.HasWord()) << "letter wave " << wave;
        if (actor) letterWaves.insert(wave);
        continue;
      }
      if (!Shootable(actor)) continue;
      const DrillWord* word = h.play->Drill().WordAt(p);
      ASSERT_NE(word, nullptr) << "a figure without a word at place " << p;
      wordWaves.insert(wave);
      ++wordFigures;
      EXPECT_GE(word->keys.size(), 2u);
      EXPECT_LE(word->keys.size(), 6u);
      for (const std::string& key : word->keys) EXPECT_TRUE(keys.count(key)) << word->text;
      // The plaque carries the word, is wide enough for it and lies inside the world.
      EXPECT_TRUE(tag.Visible);
      EXPECT_EQ(tag.Letter, word->text);
      const int textWidth = h.text.MeasureBold(word->text, TletterImage::PixelSize(tag.Lsize)).width;
      EXPECT_GE(tag.Width(), textWidth + 2 * TletterImage::kPlaqueMargin) << word->text;
      EXPECT_GE(tag.TextX, TletterImage::kPlaqueMargin - 1);
      const PlaqueBox box{tag.Left, tag.Top, tag.Width(), tag.Height()};
      EXPECT_TRUE(box.Inside(LevelStage::kScreenWidth, LevelStage::kScreenHeight));
      for (const PlaqueBox& other : plaques) EXPECT_FALSE(box.Overlaps(other)) << "plaques overlap at place " << p;
      plaques.push_back(box);
      // The typed prefix is the locked figure's alone.
      const size_t typed = h.play->Drill().Typing()->TypedLetters(static_cast<int>(p));
      EXPECT_EQ(tag.Typed, typed);
      if (typed > 0) {
        EXPECT_EQ(h.play->Drill().Typing()->Locked(), static_cast<int>(p));
      }
    }
  };
  w.Play(watch);
  EXPECT_EQ(wordWaves, (std::set<size_t>{1, 3, 4}));
  EXPECT_TRUE(letterWaves.count(0) && letterWaves.count(2));
  EXPECT_GT(wordFigures, 20);
  // The words were typed and shot.
  EXPECT_GT(h.Counter(&LevelCounters::Hits), 10);
  EXPECT_GT(h.Counter(&LevelCounters::Misses), 0);
}

TEST(WordDrill, WithoutWordsEnabledOrWithTooFewKeysEveryWaveHasLetters) {
  LevelHarness h;
  WriteScene(h);
  const WordList list = WordList::FromText(kWords);
  DrillPlan plan = SixteenKeys(h);
  plan.keys = {"a", "s", "d", "f", "j", "k", "l"};  // seven keys: no word waves yet
  PracticeDrill seven(plan, h.dir + "/drill7.ini");
  seven.EnableWords(list, WordLanguage::English, DrillWordKeys(seven.Plan(), TypedAsUs(seven.Plan().keys)));
  PracticeDrill none(SixteenKeys(h), h.dir + "/drill16.ini");
  for (PracticeDrill* drill : {&seven, &none}) {
    bool anyWords = false;
    h.play->StartDrill("Practice", *drill);
    for (int tick = 0; tick < 2000 && !drill->IsFinished(); ++tick) {
      h.Run(100);
      anyWords = anyWords || h.play->Drill().InWordWave() || h.play->Drill().Typing() != nullptr;
    }
    EXPECT_TRUE(drill->IsFinished());
    h.play->CloseLevel();
    EXPECT_FALSE(anyWords);
  }
  EXPECT_EQ(none.Typing(), nullptr);
}

TEST(WordDrill, WordWavesPerDrillGrowWithTheSetOneTwoThree) {
  LevelHarness h;
  WriteScene(h);
  const std::string letters = "asdfjklghtyrueiwopqz";
  // Enough words of every prefix of the letters: a, a key, a key again, and the pairs around a.
  std::string text;
  for (char x : letters) {
    for (char y : letters) text += std::string{x, 'a', y} + "\n";
  }
  const WordList list = WordList::FromText(text);
  const struct {
    size_t keys, waves;
  } cases[] = {{7, 0}, {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 2}, {14, 2}, {15, 2}, {16, 3}, {18, 3}, {20, 3}};
  for (const auto& c : cases) {
    DrillPlan plan = SixteenKeys(h);
    plan.keys.clear();
    for (size_t i = 0; i < c.keys; ++i) plan.keys.emplace_back(1, letters[i]);
    PracticeDrill drill(plan, h.dir + "/drill.ini");
    drill.EnableWords(list, WordLanguage::English, DrillWordKeys(drill.Plan(), TypedAsUs(drill.Plan().keys)));
    EXPECT_EQ(drill.WordWaveCount(), c.waves) << c.keys << " keys";
    EXPECT_EQ(DrillWordWaves(c.keys), c.waves) << c.keys << " keys";
  }
}

// The drill's scene with a bandit, a townsman and a bottle, drawn alike.
void WriteSceneWithBottle(LevelHarness& h) {
  const std::string objects = h.dir + "/Objects/";
  std::filesystem::copy(objects + "Bandit", objects + "Bottle", std::filesystem::copy_options::recursive);
  std::ofstream(objects + "Bottle/Object.ini", std::ios::trunc)
      << "[object]\nCharacter=2\n[images]\nface=Face.bmp\ndead=Dead.bmp\nactive=Active.bmp\n";
  std::string map = MapIni("a:0:40:1:q b:70:40:1:w c:140:40:1:e d:210:40:1:r e:280:40:1:t f:350:40:1:y",
                           "Easy=0:0:0:2000:3000\n");
  map.replace(map.find("broken=Broken\n"), 14, "broken=Broken\nbottle=Bottle\n");
  h.WriteLevel("Level1", map,
               TemplateStep("t1", "bandit", "6000") + TemplateStep("t2", "townsman", "6000") +
                   TemplateStep("t3", "bottle", "6000") + WaveStep("w1", "60000", "100:100:4"));
  h.shared.playerStore->WriteString("Tester", "up", "Easy");
}

// Only enemies carry words, and each lives longer by the letters of its word after the first.
TEST(WordDrill, NoBottleComesUpInAWordWaveAndOnlyEnemiesCarryWords) {
  LevelHarness h;
  WordDrill w(h, WriteSceneWithBottle);
  std::map<int, int> inWordWaves, inLetterWaves;  // figures by kind
  std::set<int32_t> letterLives;                  // an enemy's life in letter waves
  std::vector<std::pair<int32_t, size_t>> wordLives;  // and in word waves, with its word's letters
  // Each figure is looked at as it comes up, once its word is given; nothing is typed.
  std::vector<std::pair<size_t, bool>> cameUp;  // place, in a word wave
  h.play->onSpawn = [&](size_t place, const TbotImage& actor) {
    ++(h.play->Drill().InWordWave() ? inWordWaves : inLetterWaves)[actor.Character];
    cameUp.emplace_back(place, h.play->Drill().InWordWave());
  };
  h.play->StartDrill("Practice", *w.drill);
  for (int tick = 0; tick < 3000 && !w.drill->IsFinished(); ++tick) {
    for (const auto& [place, wordWave] : cameUp) {
      const TbotImage* actor = h.ActorAt(place);
      if (!actor) continue;
      const DrillWord* plaque = h.play->Drill().WordAt(place);
      if (!wordWave) {
        if (actor->Character == 0) letterLives.insert(actor->MaxLife);
        continue;
      }
      EXPECT_EQ(plaque != nullptr, actor->Character == 0) << "kind " << int(actor->Character);
      if (plaque) wordLives.emplace_back(actor->MaxLife, plaque->keys.size());
    }
    cameUp.clear();
    h.Run(100);
  }
  ASSERT_TRUE(w.drill->IsFinished());
  EXPECT_GT(inLetterWaves[2], 0);  // the bottle is in the scene and comes up in letter waves
  EXPECT_EQ(inWordWaves[2], 0);
  EXPECT_GT(inWordWaves[0], 5);
  EXPECT_GT(inWordWaves[1], 0);
  ASSERT_EQ(letterLives.size(), 1u);
  ASSERT_FALSE(wordLives.empty());
  for (const auto& [life, letters] : wordLives) {
    EXPECT_EQ(life, *letterLives.begin() + static_cast<int32_t>(letters - 1) * DrillWaves::kWordLetterLifeMs) << letters;
  }
}

TEST(WordDrill, WithNoWordListAtAllATwelveKeyDrillHasAWaveOfMadeUpWordsOfItsKeys) {
  LevelHarness h;
  WriteScene(h);
  const WordSource none = LoadWordSource(WordLanguage::English, h.dir + "/no-word-lists");
  ASSERT_TRUE(none.builtInOnly);
  DrillPlan plan = SixteenKeys(h);
  plan.keys = {"f", "d", "k", "j", "s", ";", "l", "a", "g", "h", "i", "e"};  // the keys of levels 1 to 4
  plan.mastered = plan.keys;
  plan.focus = "g";
  PracticeDrill drill(plan, h.dir + "/drill12.ini");
  EnableDrillWords(drill, none, std::nullopt, {});
  // Two of the five waves carry words at twelve keys.
  EXPECT_EQ(drill.WordWaveCount(), 2u);
  const std::set<std::string> keys(plan.keys.begin(), plan.keys.end());
  std::vector<DrillWord> words;
  drill.onWord = [&](const DrillWord& word) { words.push_back(word); };
  h.play->StartDrill("Practice", drill);
  for (int tick = 0; tick < 2000 && !drill.IsFinished(); ++tick) h.Run(100);
  EXPECT_TRUE(drill.IsFinished());
  ASSERT_GE(words.size(), 3u);
  for (const DrillWord& word : words) {
    SCOPED_TRACE(word.text);
    EXPECT_GE(word.keys.size(), 2u);
    EXPECT_LE(word.keys.size(), 6u);
    EXPECT_EQ(word.text.size(), word.keys.size());
    for (const std::string& key : word.keys) EXPECT_TRUE(keys.count(key));
    EXPECT_NE(word.text.find_first_of("aie"), std::string::npos);
  }
}

TEST(WordDrill, TheRecordsGiveBackWordsPerMinuteWordAccuracyAndPairTimesByTheDocumentedQueries) {
  LevelHarness h;
  h.shared.dataDir = h.dir + "/";
  ProgressRecorder recorder(h.shared, h.timers, h.messages, [] { return int64_t{1765240245000}; });
  h.play->listener = &recorder;
  WordDrill w(h);
  // A pause in a word wave: its time is no ready time.
  bool paused = false;
  w.Play([&] {
    if (!paused && h.play->Drill().InWordWave() && h.play->Drill().Typing() && h.play->Drill().Typing()->AnyReady()) {
      paused = true;
      const int64_t before = recorder.WordReadyMs();
      h.play->SetPaused(true, false);
      h.Run(20000);
      EXPECT_EQ(recorder.WordReadyMs(), before);
      h.play->SetPaused(false, false);
    }
  });
  ASSERT_TRUE(paused);
  h.play->listener = nullptr;
  ASSERT_TRUE(recorder.Flush());
  const std::string db = h.dir + "/Progress.db";

  const WordSpeed speed = recorder.LastWordSpeed();
  ASSERT_GT(speed.enemyWords, 5);
  ASSERT_GT(speed.lettersTyped, speed.lettersContinued);  // the wrong letters
  // The ready time lies within the word waves' time: two waves of 12 s, their end phase and the
  // penalties of the misses.
  EXPECT_GT(recorder.WordReadyMs(), 10000);
  EXPECT_LT(recorder.WordReadyMs(), 2 * kDrillWaveMs + 2 * 2000 * speed.lettersTyped);
  EXPECT_EQ(QueryValue(db, "SELECT word_ready_ms FROM runs"), std::to_string(recorder.WordReadyMs()));

  const std::string wpmQuery = DocQuery("Words per minute and word accuracy per practice run");
  ASSERT_FALSE(wpmQuery.empty());
  const auto wpmRows = QueryRows(db, wpmQuery);
  ASSERT_EQ(wpmRows.size(), 1u);
  EXPECT_NEAR(std::stod(wpmRows[0][1]), speed.wordsPerMinute, 1e-9);
  EXPECT_NEAR(std::stod(wpmRows[0][2]), speed.accuracy, 1e-9);
  // By hand from the counts: (letters + one per word) / 5 per minute of ready time.
  EXPECT_NEAR(speed.wordsPerMinute,
              (speed.enemyLetters + speed.enemyWords) / 5.0 / (static_cast<double>(recorder.WordReadyMs()) / 60000.0),
              1e-9);

  const std::string pairQuery = DocQuery("Letter-pair times");
  ASSERT_FALSE(pairQuery.empty());
  std::multiset<std::tuple<std::string, std::string, int64_t>> fromDb, fromRecords;
  for (const auto& row : QueryRows(db, pairQuery)) fromDb.insert({row[0], row[1], std::stoll(row[2])});
  for (const LetterPairTime& pair : LetterPairTimes(recorder.WordRecords())) fromRecords.insert({pair.from, pair.to, pair.ms});
  EXPECT_FALSE(fromRecords.empty());
  EXPECT_EQ(fromDb, fromRecords);
  // The letters were typed 150 ms apart, the corrections after a wrong letter left out.
  for (const auto& pair : fromRecords) EXPECT_EQ(std::get<2>(pair), 150);

  // Letter waves leave the word columns unset; every row of a word wave has its figure.
  EXPECT_NE(QueryValue(db, "SELECT count(*) FROM shots WHERE word IS NULL AND result = 'POINT'"), "0");
  EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots WHERE word IS NULL AND (word_pos IS NOT NULL OR word_len <> 0)"), "0");
  EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots WHERE result = 'LETTER' AND (word_pos IS NULL OR word < 1)"), "0");
  EXPECT_EQ(QueryValue(db, "SELECT count(*) FROM shots WHERE result = 'MISS' AND word IS NOT NULL AND word_pos IS NOT NULL"), "0");
}

TEST(WordPlaques, StandNearTheirTagInsideTheWorldAndClearOfEachOther) {
  const PlaqueBox tag{100, 200, 28, 24};
  // Alone: centred on its tag.
  const PlaqueBox alone = PlacePlaque(tag, 80, 24, {}, 640, 480);
  EXPECT_EQ(alone.left, 100 + 14 - 40);
  EXPECT_EQ(alone.top, 200);
  EXPECT_EQ(alone.width, 80);
  // At the world's edges it is pushed inside.
  EXPECT_EQ(PlacePlaque({0, 10, 28, 24}, 90, 24, {}, 640, 480).left, 0);
  EXPECT_EQ(PlacePlaque({630, 470, 28, 24}, 90, 24, {}, 640, 480).left, 640 - 90);
  EXPECT_EQ(PlacePlaque({630, 470, 28, 24}, 90, 24, {}, 640, 480).top, 480 - 24);
  // Next to a standing plaque it moves the least it must.
  const PlaqueBox moved = PlacePlaque(tag, 80, 24, {alone}, 640, 480);
  EXPECT_FALSE(moved.Overlaps(alone));
  EXPECT_EQ(moved.top, 200);
  EXPECT_LE(std::abs(moved.left - alone.left), 84);

  // Six places 40 pixels apart, each with a wide plaque: none overlaps another or leaves.
  std::vector<PlaqueBox> standing;
  for (int i = 0; i < 6; ++i) {
    const PlaqueBox box = PlacePlaque({300 + 40 * i, 450, 28, 24}, 96, 24, standing, 640, 480);
    EXPECT_TRUE(box.Inside(640, 480));
    for (const PlaqueBox& other : standing) EXPECT_FALSE(box.Overlaps(other)) << i;
    standing.push_back(box);
  }
  // Far out of the world (a level may place a tag anywhere), still inside.
  EXPECT_TRUE(PlacePlaque({INT32_MAX - 10, INT32_MIN, 28, 24}, 96, 24, standing, 640, 480).Inside(640, 480));
}

TEST(WordRecordsSchema, AVersionThreeFileGainsTheWordColumnsAndAFileThatClaimsFourWithoutThemIsRefused) {
  ScratchFolder dir("words");
  // A file of version 3 claiming the version it is given.
  const auto makeFile = [](const std::string& path, int claimed) {
    WriteOldProgressFile(path, 3,
                         "PRAGMA user_version=" + std::to_string(claimed) +
                             ";INSERT INTO runs (id, profile, level, difficulty, started_at, duration_ms, outcome)"
                             " VALUES (1, 'Ann', 3, 'easy', '2026-01-01T00:00:00Z', 5000, 'finished');"
                             "INSERT INTO shots (run_id, game_ms, typed, result, letter, key, position)"
                             " VALUES (1, 10, 'f', 'POINT', 'f', 'f', 'f');");
  };
  const std::string three = dir / "three.db";
  makeFile(three, 3);
  {
    ProgressDatabase db(three);
    db.Open();
    // The old rows read as letter waves; new runs store their words.
    std::vector<PendingRun> runs(1);
    runs[0].run.profile = "Ann";
    runs[0].run.startedAt = "2026-01-02T00:00:00Z";
    runs[0].run.wordReadyMs = 4200;
    ShotRecord shot;
    shot.result = "LETTER";
    shot.word = 3;
    shot.wordPos = 1;
    runs[0].shots.push_back(shot);
    shot.result = "POINT";
    shot.wordPos = 2;
    shot.wordLen = 3;
    runs[0].shots.push_back(shot);
    db.Write(runs);
  }
  EXPECT_EQ(QueryValue(three, "PRAGMA user_version"), "4");
  EXPECT_EQ(QueryValue(three, "SELECT group_concat(word_ready_ms, ' ') FROM runs ORDER BY id"), "0 4200");
  EXPECT_EQ(QueryValue(three, "SELECT group_concat(ifnull(word, 'n') || ':' || ifnull(word_pos, 'n') || ':' || word_len, ' ')"
                       " FROM shots ORDER BY id"),
            "n:n:0 3:1:0 3:2:3");

  const std::string claims = dir / "claims.db";
  makeFile(claims, 4);
  ProgressDatabase refused(claims);
  try {
    refused.Open();
    ADD_FAILURE() << "a file of version 4 without the word columns was opened";
  } catch (const ProgressError& e) {
    EXPECT_EQ(e.Fault(), ProgressFault::kMissingParts);
  }
  EXPECT_EQ(QueryValue(claims, "SELECT count(*) FROM runs"), "1");
}

TEST(WordDrill, TheDrillsWordsFavourTheSlowPairsOfTheRecords) {
  LevelHarness h;
  WriteScene(h);
  WordSource source;
  source.list = WordList::FromText(kWords);
  // h to a has enough samples to be named, and is slow beside the learner's other pairs; f to l,
  // slower, has too few.
  std::vector<PairSample> times;
  for (int i = 0; i < 6; ++i) times.push_back({"h", "a", 600});
  for (int i = 0; i < 6; ++i) times.push_back({"a", "s", 200}), times.push_back({"s", "h", 200});
  for (int i = 0; i < 4; ++i) times.push_back({"f", "l", 2000});
  const auto slow = SlowPairKeys(times);
  ASSERT_EQ(slow.size(), 1u);
  EXPECT_EQ(slow[0], (std::pair<std::string, std::string>{"h", "a"}));

  // Words holding "ha" (half, hall, hash...) come up far more often with the records than without.
  auto share = [&](const std::vector<PairSample>& records) {
    PracticeDrill drill(SixteenKeys(h), h.dir + "/share.ini");
    EnableDrillWords(drill, source, std::nullopt, records);
    Random random(5);
    int with = 0;
    int all = 0;
    for (int wave = 0; wave < 200; ++wave) {
      drill.BeginWave(1, random);
      for (int i = 0; i < 5; ++i) {
        const DrillWord word = drill.WordFor({}, random);
        with += word.text.find("ha") != std::string::npos;
        ++all;
      }
    }
    return static_cast<double>(with) / all;
  };
  const double favoured = share(times);
  const double plain = share({});
  EXPECT_GT(favoured, 1.5 * plain) << favoured << " against " << plain;
}
