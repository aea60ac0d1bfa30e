// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-ins: the figures equal what PROGRESS shows of the same records, the file is whole after
// kill -9, its mode follows the folder's group, names keep profiles apart, nothing else of the
// class folder is touched, and the service follows the recorder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <deque>
#include <set>

#include "classroom/hand_in_file.h"
#include "classroom/hand_in_service.h"
#include "classroom/pupil_records.h"
#include "classroom_fixture.h"
#include "core/level_counters.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/message_boxes.h"
#include "platform/picture_loader.h"
#include "platform/random.h"
#include "platform/sound_player.h"
#include "platform/text_measurer.h"
#include "platform/virtual_timer_service.h"
#include "progress/progress_recorder.h"
#include "progress/progress_view.h"
#include "progress/progress_words_view.h"

namespace {

const std::vector<std::string> kTaught = {"f", "d", "k", "j", "\xC3\xB6"};

// A German-like keyboard: y and z change places.
KeyTable SwappedLayout() {
  KeyTable table;
  for (const UsKey& key : UsKeys())
    table.Set(key.character, {KeyTyped::Kind::Character, key.character, {}});
  table.Set("y", {KeyTyped::Kind::Character, "z", {}});
  table.Set("z", {KeyTyped::Kind::Character, "y", {}});
  return table;
}

TEST(HandIn, ShowsWhatProgressShowsOfTheSameRecords) {
  for (const int runCount : {40, 2100}) {
    SCOPED_TRACE(runCount);
    ScratchFolder dir;
    const std::string dbPath = dir / "Progress.db";
    WriteHistory(dbPath, "Anna", runCount, runCount > 100 ? 8 : 40);
    const KeyTable layout = SwappedLayout();

    // What PROGRESS shows, read as the screen reads it.
    ProgressDatabase game(dbPath);
    game.Open();
    const ProgressData shownData = game.Load("Anna");
    const ProgressView shown = MakeProgressView(shownData, kTaught, 0, &layout);
    const ProgressWordsView shownWords = MakeProgressWordsView(shownData, &layout);

    // The same records through a hand-in file and back.
    const HandIn gathered = GatherFrom(dbPath, "Anna", &layout);
    WriteBytes(dir / "a.keyslinger", HandInBytes(gathered));
    HandInReader reader(dir / "a.keyslinger");
    ASSERT_EQ(reader.Problem(), HandInProblem::kNone) << reader.Detail();
    EXPECT_TRUE(reader.Disagreements().empty());
    const HandIn read = reader.Whole();
    const PupilRecords pupil = PupilRecordsOf(read);
    const ProgressView page =
        MakeProgressViewOfStats(pupil.keys, pupil.data, kTaught, 0, &pupil.layout);

    ASSERT_EQ(page.tiles.size(), shown.tiles.size());
    for (size_t i = 0; i < shown.tiles.size(); ++i) {
      const KeyTile &a = shown.tiles[i], &b = page.tiles[i];
      EXPECT_EQ(std::tie(a.key, a.position, a.rated, a.accuracyPercent, a.reactionText, a.taught),
                std::tie(b.key, b.position, b.rated, b.accuracyPercent, b.reactionText, b.taught))
          << a.position;
    }
    EXPECT_EQ(page.practiseLines, shown.practiseLines);
    EXPECT_EQ(page.playedText, shown.playedText);
    EXPECT_EQ(page.runsText, shown.runsText);
    EXPECT_EQ(page.levelsPassedText, shown.levelsPassedText);
    // The chart: every finished run while they fit in the file, the newest ones after.
    const size_t charted = std::min(shown.chart.size(), page.chart.size());
    EXPECT_EQ(page.chart.size() == shown.chart.size(),
              static_cast<size_t>(runCount) <= kHandInRuns);
    for (size_t i = 1; i <= charted; ++i) {
      const ChartPoint &a = shown.chart[shown.chart.size() - i],
                       &b = page.chart[page.chart.size() - i];
      EXPECT_EQ(std::tie(a.startedAt, a.level, a.percent, a.passed),
                std::tie(b.startedAt, b.level, b.percent, b.passed));
    }
    if (static_cast<size_t>(runCount) <= kHandInRuns) {
      EXPECT_EQ(page.bestStreakText, shown.bestStreakText);
      const ProgressWordsView pageWords = MakeProgressWordsView(pupil.data, &pupil.layout);
      ASSERT_EQ(pageWords.chart.size(), shownWords.chart.size());
      for (size_t i = 0; i < shownWords.chart.size(); ++i) {
        EXPECT_EQ(pageWords.chart[i].startedAt, shownWords.chart[i].startedAt);
        EXPECT_DOUBLE_EQ(pageWords.chart[i].wordsPerMinute, shownWords.chart[i].wordsPerMinute);
        EXPECT_EQ(pageWords.chart[i].accuracyPercent, shownWords.chart[i].accuracyPercent);
      }
    }
    // Practice's figures: its key set and target.
    EXPECT_EQ(read.keysMastered, 2);
    EXPECT_EQ(read.reviewsDue, 1);  // f; k is due in 2052
    EXPECT_EQ(read.reactionTargetMs, 900);
    EXPECT_FALSE(read.typingTargetMs.has_value());
    for (const HandInKey& key : read.keys) {
      EXPECT_EQ(key.mastered, key.position == "f" || key.position == "k") << key.position;
      EXPECT_EQ(key.mastery.has_value(), !key.position.empty()) << key.position;
      if (key.position == "f") {
        EXPECT_EQ(key.reviewDue, "2024-10-04");
      }
    }
    // The runs one by one, the older ones as daily totals, adding up to PROGRESS's totals.
    EXPECT_EQ(read.runs.size(), std::min<size_t>(runCount, kHandInRuns));
    EXPECT_EQ(read.olderDays.empty(), static_cast<size_t>(runCount) <= kHandInRuns);
    int64_t runs = static_cast<int64_t>(read.runs.size());
    for (const HandInDay& day : read.olderDays) runs += day.runs;
    EXPECT_EQ(runs, shownData.runs);
    EXPECT_EQ(read.levels.size(), static_cast<size_t>(shownData.levelsPassed));
    EXPECT_FALSE(read.practiceDays.empty());
    EXPECT_EQ(read.layout.size(), UsKeys().size());
  }
}

TEST(HandIn, NamesKeepProfilesApartWithinTheLongestFileName) {
  const struct {
    std::string login, profile;
  } cases[] = {{"anna", "Drifter"},
               {"anna", "drifter"},
               {"anna", "DRIFTER"},
               {"bob", "Drifter"},
               {"anna", "a/b"},
               {"anna", "a_b"},
               {"anna", "..x"},
               {"anna", std::string(10000, 'x')},
               {"anna", std::string(3000, '\xC3') +
                            "\xA9"},  // a long name of broken UTF-8 is cut, not split
               {"SCHOOL\\anna", "\xC3\x89mile"}};
  std::set<std::string> names;
  for (const auto& c : cases) {
    const std::string name = HandInFileName(c.login, c.profile);
    SCOPED_TRACE(name.substr(0, 80));
    EXPECT_LE(name.size(), kMaxFileNameBytes);
    EXPECT_EQ(name, HandInFileName(c.login, c.profile));  // the same file every time
    EXPECT_TRUE(IsHandInFileName(name));
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_EQ(name.find('\\'), std::string::npos);
    EXPECT_NE(name[0], '.');
    // No two names differ only in letter case: a file system that ignores case keeps them apart.
    std::string folded = name;
    for (char& ch : folded) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_TRUE(names.insert(folded).second) << "two profiles share " << name;
  }
  EXPECT_FALSE(IsHandInFileName(".keyslinger-0123-host-7.part"));
  EXPECT_FALSE(IsHandInFileName("notes.txt"));
  EXPECT_TRUE(IsHandInFileName("ANNA-X-01234567.KEYSLINGER"));
}

// Whether folder holds exactly one regular file besides ignore, and its contents.
std::string OnlyFile(const std::string& folder, const std::string& name) {
  std::ifstream in(folder + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(HandIn, AGameKilledWhileWritingLeavesTheOldFileOrTheNew) {
  ScratchFolder dir;
  // Two whole files of several hundred kilobytes each, told apart by their bytes.
  const std::string first(600 * 1024, 'a'), second(700 * 1024, 'b');
  ASSERT_TRUE(WriteHandInFile(dir.Path(), "x.keyslinger", first).written);
  for (int round = 0; round < 12; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) WriteHandInFile(dir.Path(), "x.keyslinger", i % 2 ? first : second);
    }
    // Killed at a moment of its own, whichever step of a write that falls in.
    ::usleep(static_cast<useconds_t>(2000 + round * 1700));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = OnlyFile(dir.Path(), "x.keyslinger");
    EXPECT_TRUE(now == first || now == second)
        << "a file of " << now.size() << " bytes after round " << round;
  }
}

TEST(HandIn, IsReadableByTheFoldersGroupOnlyThroughThatGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a folder another group needs root";
  const gid_t teachers = 4242;  // any group the writing process is not in
  for (const bool setgid : {true, false}) {
    SCOPED_TRACE(setgid ? "setgid folder" : "plain folder");
    ScratchFolder dir;
    ASSERT_EQ(::chown(dir.Path().c_str(), 0, teachers), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), setgid ? 03773 : 01773), 0);
    const HandInWrite write = WriteHandInFile(dir.Path(), "a.keyslinger", "bytes");
    ASSERT_TRUE(write.written) << write.error;
    struct stat info {};
    ASSERT_EQ(::stat(write.path.c_str(), &info), 0);
    EXPECT_EQ(write.groupReadable, setgid);
    EXPECT_EQ(info.st_gid == teachers, setgid);
    EXPECT_EQ(info.st_mode & 07777, setgid ? 0640u : 0600u);
  }
}

// Every name inotify reports in folder while work runs, with what happened to the folder itself.
struct FolderWatch {
  explicit FolderWatch(const std::string& folder) {
    fd = ::inotify_init1(IN_NONBLOCK);
    ::inotify_add_watch(fd, folder.c_str(), IN_ALL_EVENTS);
  }
  ~FolderWatch() { ::close(fd); }
  void Drain() {
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n <= 0) return;
      for (ssize_t at = 0; at < n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0)
          names.insert(event->name);
        else
          folderMask |= event->mask;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
  }
  int fd = -1;
  std::set<std::string> names;
  uint32_t folderMask = 0;
};

TEST(HandIn, TouchesNoOtherFileOfTheClassFolder) {
  ScratchFolder home, classFolder;
  WriteHistory(home / "Progress.db", "Anna", 20);
  WriteBytes(classFolder / "bob-drifter-01234567.keyslinger", "someone else's");
  WriteBytes(classFolder / "notes.txt", "the teacher's");
  FolderWatch watch(classFolder.Path());
  {
    HandInWorker worker(nullptr, [] { return kClassroomNow; });
    HandInJob job;
    job.databasePath = home / "Progress.db";
    job.profile = "Anna";
    job.folder = classFolder.Path();
    job.fileName = HandInFileName("anna", "Anna");
    worker.Submit(job);
    worker.WaitIdle();
    worker.Submit(job);
    job.kind = HandInJob::Kind::kRemove;
    worker.Submit(job);
    worker.WaitIdle();
  }
  watch.Drain();
  for (const std::string& name : watch.names) {
    EXPECT_TRUE(name == HandInFileName("anna", "Anna") || name.rfind(".keyslinger-", 0) == 0)
        << name;
  }
  EXPECT_FALSE(watch.names.empty());
  // The folder itself was never read: nothing listed it.
  EXPECT_EQ(watch.folderMask & IN_ACCESS, 0u);
  EXPECT_EQ(OnlyFile(classFolder.Path(), "notes.txt"), "the teacher's");
  EXPECT_FALSE(std::filesystem::exists(classFolder / HandInFileName("anna", "Anna")));
}

// The service over a real recorder, with the game's thread played by a queue of posted work.
struct ServiceWorld {
  ScratchFolder home, classFolder;
  SharedState shared;
  VirtualTimerService timers;
  RecordingSoundPlayer sound;
  FixedTextMeasurer text;
  RecordingMessageBoxes messages;
  Random random{3};
  struct NoPictures : PictureLoader {
    ImagePtr LoadBitmap(const std::string&) override { return nullptr; }
    ImagePtr LoadJpeg(const std::string&) override { return nullptr; }
  } pictures;
  Services services{timers, sound, pictures, text, messages, random};
  std::deque<std::function<void()>> posted;
  std::mutex postedMutex;
  std::unique_ptr<HandInService> service;
  std::unique_ptr<ProgressRecorder> recorder;

  explicit ServiceWorld(const std::string& folder) {
    shared.appDir = home.Path() + "/";
    shared.currentPlayer = "Anna";
    service = std::make_unique<HandInService>(
        shared, services, folder, "anna",
        [this](std::function<void()> work) {
          std::lock_guard lock(postedMutex);
          posted.push_back(std::move(work));
        },
        [] { return kClassroomNow; });
    recorder =
        std::make_unique<ProgressRecorder>(shared, timers, messages, [] { return kClassroomNow; });
    recorder->recordsListener = service.get();
    shared.progress = recorder.get();
  }
  ~ServiceWorld() {
    recorder.reset();
    service.reset();
  }
  // Lets the hand-ins under way end, then runs what they posted to the game's thread.
  void Settle() {
    service->WaitIdle();
    std::deque<std::function<void()>> work;
    {
      std::lock_guard lock(postedMutex);
      work.swap(posted);
    }
    for (auto& w : work) w();
  }
  void PlayRun(bool finish) {
    recorder->LevelStarted("Level1", "easy");
    timers.Advance(500);
    recorder->ActorSpawned(0);
    timers.Advance(400);
    recorder->CharacterResolved("f", "POINT", 0, "f", true, "f");
    recorder->WaveEndChecked();
    if (finish) recorder->LevelFinished(LevelCounters{});
  }
  std::string HandInPath() const { return classFolder / HandInFileName("anna", "Anna"); }
};

TEST(HandInService, WithoutAClassFolderWritesNothingAndSaysNothing) {
  ServiceWorld world("");
  world.PlayRun(true);
  world.Settle();
  EXPECT_TRUE(world.messages.shown.empty());
  EXPECT_TRUE(world.messages.notices.empty());
  // Only the game's own files are in its folder.
  for (const auto& entry : std::filesystem::directory_iterator(world.home.Path())) {
    EXPECT_FALSE(IsHandInFileName(entry.path().filename().string())) << entry.path();
  }
}

TEST(HandInService, WritesAfterEachRunAndTellsAFailureOnce) {
  {
    ScratchFolder classFolder;
    ServiceWorld world(classFolder.Path());
    world.PlayRun(false);  // a wave's end writes the open run: no hand-in yet
    world.Settle();
    const std::string path = classFolder / HandInFileName("anna", "Anna");
    EXPECT_FALSE(std::filesystem::exists(path));
    world.recorder->LevelFinished(LevelCounters{});
    world.Settle();
    ASSERT_TRUE(std::filesystem::exists(path));
    HandInReader reader(path);
    ASSERT_EQ(reader.Problem(), HandInProblem::kNone);
    EXPECT_EQ(reader.Whole().runCount, 1);
    world.PlayRun(true);
    world.Settle();
    EXPECT_EQ(HandInReader(path).Whole().runCount, 2);
    // Deleting the profile removes its hand-in.
    world.recorder->DeleteProfile("Anna");
    world.Settle();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(world.messages.shown.empty());
    EXPECT_TRUE(world.messages.notices.empty());
  }
  // A class folder that is gone: the player hears it once, however many runs follow.
  ScratchFolder gone;
  const std::string missing = gone / "class-7b";
  ServiceWorld world(missing);
  for (int run = 0; run < 3; ++run) {
    world.PlayRun(true);
    world.Settle();
  }
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0],
            "Unable to write to " + missing + "/" + HandInFileName("anna", "Anna"));
}

TEST(HandInService, SaysOnceWhenTheTeacherCannotReadAndWaitsForTheLevelToEnd) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a folder another group needs root";
  ScratchFolder classFolder;
  ASSERT_EQ(::chown(classFolder.Path().c_str(), 0, 4242), 0);
  ASSERT_EQ(::chmod(classFolder.Path().c_str(), 01773),
            0);  // no setgid: files keep the pupil's group
  ServiceWorld world(classFolder.Path());
  world.PlayRun(true);
  world.service->WaitIdle();
  // The outcome comes while the next level runs: it waits for that level's end.
  world.recorder->LevelStarted("Level1", "easy");
  world.Settle();
  EXPECT_TRUE(world.messages.notices.empty());
  world.recorder->LevelFinished(LevelCounters{});
  world.Settle();
  world.PlayRun(true);
  world.Settle();
  ASSERT_EQ(world.messages.notices.size(), 1u);
  EXPECT_EQ(world.messages.notices[0],
            (PlayerNotice{PlayerNotice::Kind::HandInPrivate, {classFolder.Path()}}));
}

TEST(HandInService, HandsInByHandWhereThePlayerChooses) {
  ServiceWorld world("");
  world.PlayRun(true);
  ScratchFolder stick;
  world.service->HandInTo(stick.Path());
  world.Settle();
  const std::string path = stick / HandInFileName("anna", "Anna");
  EXPECT_EQ(HandInReader(path).Problem(), HandInProblem::kNone);
  ASSERT_EQ(world.messages.notices.size(), 1u);
  EXPECT_EQ(world.messages.notices[0], (PlayerNotice{PlayerNotice::Kind::HandedIn, {path}}));
  // A folder that cannot be written is told every time: the player asked.
  for (int i = 0; i < 2; ++i) {
    world.service->HandInTo(stick / "missing");
    world.Settle();
  }
  EXPECT_EQ(world.messages.shown.size(), 3u);
}

}  // namespace
