// SPDX-License-Identifier: GPL-3.0-or-later
// Word waves in the practice flow: a key set large enough for words gets them on the card's
// drill, typed words shoot in virtual time, the results show words per minute and word accuracy
// as Progress.db recomputes them, and the word list is read once for every drill after it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>

#include "game_folder_world.h"
#include "language_scope.h"
#include "text_box_watch.h"
#include "level/level_play.h"
#include "practice/ui/practice_card_form.h"
#include "practice/ui/practice_results_form.h"
#include "practice/practice_session.h"
#include "practice/practice_store.h"
#include "words/word_typing.h"
#include "practice/ui/qt_practice_flow.h"
#include "words/words_source.h"
#include "progress/progress_database.h"
#include "progress/progress_recorder.h"
#include "screens/ui/pause_form.h"

namespace {
constexpr int64_t kToday = 20400;
constexpr const char* kPlayerIni = "[curplayer]\nname=Ben\nsound=0\n[Ben]\ncurlevel=4\nlevels=4\nfirststart=1\n";
// Twelve keys: two of the five waves carry words (the third and the fifth).
const std::vector<std::string> kKeys = {"f", "j", "d", "k", "s", "l", "a", "e", "i", "r", "u", "h"};
// Words of those keys, and a few the set cannot type.
constexpr const char* kWords =
    "ask\nsad\nlad\nhad\nhead\nheal\ndeal\nreal\nread\nseal\nsale\nfee\nfeel\nheel\njar\nrude\nrule\nsure\n"
    "fire\nhire\nlife\nlike\nhike\nkid\nlid\nrid\nhid\naid\nsaid\nraid\nlaid\nfair\nhair\nfail\nhail\njail\n"
    "rail\nsail\nkale\nlake\nrake\nfake\ndesk\ndisk\nrisk\nsilk\nmilk\nbox\nquiz\ntown\n";

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Press(QWidget* form, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(form, &press);
}

// The test game's one level brings the twelve keys, each on a place of its own; Ben has all of
// them in his set, none mastered yet.
struct WordsWorld : GameFolderWorld<> {
  explicit WordsWorld(const std::string& wordList = kWords, WordLanguage language = WordLanguage::English)
      : GameFolderWorld("ben") {
    std::ofstream(dir + "/Player.ini", std::ios::binary) << kPlayerIni;
    shared.playerStore = std::make_unique<IniStore>(dir + "/Player.ini");
    std::ofstream map(dir + "/Maps/Level1/Map.ini", std::ios::binary);
    map << "[Map]\nEasy=0:0:0:2000:3000\nLBMP=Tag.bmp\nLColor=0\nLHLColor=255\n[Objects]\nbandit=Bandit\n";
    for (size_t i = 0; i < kKeys.size(); ++i) {
      map << "[p" << i << "]\nx=" << 40 + (i % 4) * 150 << "\ny=" << 40 + (i / 4) * 140 << "\nside=1\nletter="
          << kKeys[i] << "\n";
    }
    map.close();
    std::filesystem::create_directory(dir + "/dict");
    if (!wordList.empty()) std::ofstream(dir + "/dict/american-english", std::ios::binary) << wordList;
    shared.lastLevel = 1;
    level = std::make_unique<LevelPlay>(services, shared, host);
    app.level = level.get();
    recorder = std::make_unique<ProgressRecorder>(shared, timers, messages, [] { return kToday * 86400000; });
    shared.progress = recorder.get();
    level->listener = recorder.get();
    flow = std::make_unique<PracticeFlow>(app);
    flow->today = [] { return kToday; };
    flow->loadWords = [this, language] {
      ++listsRead;
      return LoadWordSource(language, dir + "/dict");
    };
    app.practice = flow.get();
    card = std::make_unique<TfmPracticeCard>(app);
    results = std::make_unique<TfmPracticeResults>(app);
    app.screens.fmPracticeCard = card.get();
    app.screens.fmPracticeResults = results.get();
    Seed();
  }
  ~WordsWorld() {
    card.reset();
    results.reset();
    level->listener = nullptr;
  }

  std::string DbPath() const { return shared.appDir + kProgressFileName; }

  void Seed() {
    ProgressDatabase db(DbPath());
    db.Open();
    PracticeStore store(db);
    PracticeState state;
    for (const std::string& key : kKeys) state.keys.push_back({key, false, 0, 0});
    store.SaveState("ben", state);
  }

  // Plays the drill on the card to its end, typing one letter every kLetterMs: each figure's
  // word once, from its first letter on, as figures come up; returns the words completed.
  std::vector<std::string> PlayTypingWords() {
    constexpr int64_t kLetterMs = 100;
    std::vector<std::string> completed;
    std::map<int, std::string> tried;  // standing figures (by place) whose word was begun
    int current = -1;                  // the figure being typed
    size_t next = 0;                   // its next letter
    EXPECT_TRUE(level->LevelLoaded());
    for (int64_t waited = 0; !results->isVisible() && waited < 600000; waited += kLetterMs) {
      timers.Advance(kLetterMs);
      WordTyping* typing = level->LevelLoaded() && level->Drill().InWordWave() ? level->Drill().Typing() : nullptr;
      const std::vector<int> standing = typing ? typing->Figures() : std::vector<int>();
      std::erase_if(tried, [&](const auto& entry) {
        return std::find(standing.begin(), standing.end(), entry.first) == standing.end();
      });
      if (!tried.count(current)) current = -1;
      if (current < 0) {
        for (int place : standing) {
          if (tried.count(place) || !level->Drill().WordAt(static_cast<size_t>(place))) continue;
          current = place;
          next = 0;
          tried[place] = level->Drill().WordAt(static_cast<size_t>(place))->text;
          break;
        }
      }
      if (current < 0) continue;
      const DrillWord* word = level->Drill().WordAt(static_cast<size_t>(current));
      if (!word) continue;
      const std::string key = word->keys[next];
      level->KeyPress(false, key, key);
      level->KeyRelease();
      if (++next == word->keys.size()) {
        completed.push_back(tried[current]);
        current = -1;
      }
    }
    EXPECT_TRUE(results->isVisible()) << "hits " << level->Counters().Hits << ", misses " << level->Counters().Misses;
    return completed;
  }

  std::unique_ptr<LevelPlay> level;
  std::unique_ptr<ProgressRecorder> recorder;
  std::unique_ptr<PracticeFlow> flow;
  std::unique_ptr<TfmPracticeCard> card;
  std::unique_ptr<TfmPracticeResults> results;
  int listsRead = 0;
};

TEST(PracticeWords, TypedWordsShootAndTheResultsShowWordsPerMinuteAsTheRecordsRecomputeIt) {
  WordsWorld world;
  ASSERT_TRUE(world.flow->Begin());
  const PracticeCardView* card = world.card->View();
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->keys.size(), kKeys.size());
  EXPECT_EQ(card->wordWaves, 2u);
  EXPECT_FALSE(card->englishWords);
  EXPECT_TRUE(world.card->WordsNoticeText().isEmpty());
  Press(world.card.get(), Qt::Key_Return);
  const std::vector<std::string> typed = world.PlayTypingWords();  // the words completed
  ASSERT_FALSE(typed.empty());
  for (const std::string& word : typed) {
    EXPECT_NE(std::string(kWords).find(word + "\n"), std::string::npos) << word;
    EXPECT_EQ(word.find_first_not_of("fjdkslaeiruh"), std::string::npos) << word;
  }

  const PracticeResultView* view = world.results->View();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(view->wordsPerMinute.has_value());
  ASSERT_TRUE(view->wordAccuracy.has_value());
  EXPECT_GT(*view->wordsPerMinute, 0.0);
  // Every letter went to a standing word.
  EXPECT_DOUBLE_EQ(*view->wordAccuracy, 1.0);
  EXPECT_EQ(view->hits, static_cast<int>(typed.size()));
  EXPECT_EQ(view->misses, 0);
  EXPECT_EQ(world.results->WordsPerMinuteText(),
            QStringLiteral("Words per minute: %1").arg(*view->wordsPerMinute, 0, 'f', 1));
  EXPECT_EQ(world.results->WordAccuracyText(), QStringLiteral("Letters right in words: 100%"));

  // The run is stored as practice with its words, and sqlite's arithmetic over its rows gives
  // the same speed.
  ProgressDatabase db(world.DbPath());
  db.Open();
  const ProgressData data = db.Load("ben");
  ASSERT_EQ(data.wordRuns.size(), 1u);
  EXPECT_NEAR(data.wordRuns[0].wordsPerMinute, *view->wordsPerMinute, 1e-9);
  EXPECT_NEAR(data.wordRuns[0].accuracy, 1.0, 1e-9);
  EXPECT_FALSE(data.pairTimes.empty());
  EXPECT_EQ(FileText(world.dir + "/Player.ini"), kPlayerIni);
  EXPECT_TRUE(world.messages.shown.empty());
}

TEST(PracticeWords, PractiseAgainAndRestartKeepTheWordsReadOnce) {
  WordsWorld world;
  TFmPause pause(world.app);
  ASSERT_TRUE(world.flow->Begin());
  const WordSource* words = world.flow->Words();
  ASSERT_NE(words, nullptr);
  Press(world.card.get(), Qt::Key_Return);
  // RESTART in the first wave: the drill starts afresh and its word wave still comes.
  world.timers.Advance(3000);
  world.level->FormKeyDown(true);
  ASSERT_TRUE(world.host.pauseShowing);
  pause.RestartClick();
  ASSERT_TRUE(world.level->LevelLoaded());
  EXPECT_FALSE(world.PlayTypingWords().empty());
  ASSERT_NE(world.results->View(), nullptr);
  EXPECT_TRUE(world.results->View()->wordsPerMinute.has_value());

  // Practise again: a new drill with words from the same list.
  Press(world.results.get(), Qt::Key_Return);
  ASSERT_TRUE(world.card->isVisible());
  ASSERT_NE(world.card->View(), nullptr);
  EXPECT_EQ(world.card->View()->wordWaves, 2u);
  Press(world.card.get(), Qt::Key_Return);
  EXPECT_FALSE(world.PlayTypingWords().empty());
  EXPECT_TRUE(world.results->View()->wordsPerMinute.has_value());
  EXPECT_EQ(world.flow->Words(), words);
  EXPECT_EQ(world.listsRead, 1);
  EXPECT_EQ(FileText(world.dir + "/Player.ini"), kPlayerIni);
}

TEST(PracticeWords, TooFewWordsForTheKeysLeaveLettersAndNoWordsPerMinuteLine) {
  // Fourteen words fit the keys: one short of word waves.
  WordsWorld world("ask\nsad\nlad\nhad\nhead\nheal\ndeal\nreal\nread\nseal\nsale\nfee\nfeel\nheel\nbox\n");
  ASSERT_TRUE(world.flow->Begin());
  ASSERT_NE(world.card->View(), nullptr);
  EXPECT_EQ(world.card->View()->wordWaves, 0u);
  Press(world.card.get(), Qt::Key_Return);
  EXPECT_TRUE(world.PlayTypingWords().empty());
  ASSERT_NE(world.results->View(), nullptr);
  EXPECT_FALSE(world.results->View()->wordsPerMinute.has_value());
  EXPECT_TRUE(world.results->WordsPerMinuteText().isEmpty());
  EXPECT_TRUE(world.results->WordAccuracyText().isEmpty());
}

TEST(PracticeWords, TheCardSaysWhereTheWordsComeFromWhenTheyAreNotThePlayersLanguage) {
  // What is installed in the word list folder: nothing, the English list, or the player's list
  // where a pipe, a link to a device or a huge file stands (each counts as missing).
  enum class German { None, Pipe, DeviceLink, Huge, Real };
  const struct {
    const char* what;
    WordLanguage language;
    bool english;
    German german;
    const char* notice;
  } cases[] = {
      {"English, its list there", WordLanguage::English, true, German::None, ""},
      {"English, no list at all", WordLanguage::English, false, German::None,
       "No word list is installed: the words are made up of your keys. Real words come with the package wamerican."},
      {"German, no list at all", WordLanguage::German, false, German::None,
       "No word list is installed: the words are made up of your keys. Real words come with the package wngerman."},
      {"German, the English list only", WordLanguage::German, true, German::None,
       "No word list of your language is installed (package wngerman): the words are English."},
      {"German, a pipe", WordLanguage::German, true, German::Pipe,
       "No word list of your language is installed (package wngerman): the words are English."},
      {"German, a link to a device", WordLanguage::German, true, German::DeviceLink,
       "No word list of your language is installed (package wngerman): the words are English."},
      {"German, 200 MB", WordLanguage::German, true, German::Huge,
       "No word list of your language is installed (package wngerman): the words are English."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WordsWorld world(c.english ? kWords : "", c.language);
    const std::string german = world.dir + "/dict/ngerman";
    if (c.german == German::Pipe) {
      ASSERT_EQ(mkfifo(german.c_str(), 0600), 0);
    }
    if (c.german == German::DeviceLink) std::filesystem::create_symlink("/dev/zero", german);
    if (c.german == German::Huge) {
      std::ofstream(german).close();
      std::filesystem::resize_file(german, 200 * 1024 * 1024);
    }
    ASSERT_TRUE(world.flow->Begin());
    const PracticeCardView* card = world.card->View();
    ASSERT_NE(card, nullptr);
    // Twelve keys: one wave of words, real or made up.
    EXPECT_EQ(card->wordWaves, 2u);
    EXPECT_EQ(world.card->WordsNoticeText(), QString::fromUtf8(c.notice));
    // The notice is read in every language: it fits its box.
    for (const std::string& language : AllLanguages()) {
      LanguageScope scope(language);
      ExpectTextsInTheirBoxes(*world.card, "practice_card_words");
    }
  }
}

}  // namespace
