// SPDX-License-Identifier: GPL-3.0-or-later
// Word list files that are not what they seem: a pipe, a device, a folder, a huge file. Each
// counts as a missing list, at once, and the drills fall back to the next list or the built-in
// letter pairs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "words/word_list.h"
#include "words/words_source.h"

namespace {

namespace fs = std::filesystem;

fs::path FreshDir(const char* name) {
  const fs::path dir = fs::path(testing::TempDir()) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Runs read on a thread of its own and waits for it: a read that blocks for good (a pipe without
// a writer) fails the test instead of hanging it; the blocked thread ends with the process.
template <class Result>
std::optional<Result> WithinAMinute(std::function<Result()> read) {
  auto done = std::make_shared<std::promise<Result>>();
  std::future<Result> result = done->get_future();
  std::thread([done, read] { done->set_value(read()); }).detach();
  if (result.wait_for(std::chrono::seconds(60)) != std::future_status::ready) return std::nullopt;
  return result.get();
}

TEST(WordListFiles, OnlyARegularFileWithinTheBoundIsRead) {
  const fs::path dir = FreshDir("keyslinger-word-files");
  std::ofstream(dir / "plain") << "cat\ndog\n";
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir / "zero-link");
  fs::create_symlink(dir / "pipe", dir / "pipe-link");
  fs::create_symlink(dir / "plain", dir / "plain-link");
  fs::create_directory(dir / "folder");
  // Sparse files: as large as they say, without filling the disk.
  std::ofstream(dir / "huge").close();
  fs::resize_file(dir / "huge", 200 * 1024 * 1024);
  std::ofstream(dir / "at-bound").close();
  fs::resize_file(dir / "at-bound", WordList::kMaxFileBytes);
  std::ofstream(dir / "over-bound").close();
  fs::resize_file(dir / "over-bound", WordList::kMaxFileBytes + 1);

  const struct {
    const char* name;
    bool read;
  } cases[] = {{"plain", true},       {"plain-link", true}, {"at-bound", true}, {"pipe", false},
               {"pipe-link", false},  {"zero-link", false}, {"folder", false},  {"huge", false},
               {"over-bound", false}, {"missing", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = (dir / c.name).string();
    const std::optional<bool> read =
        WithinAMinute<bool>([path] { return WordList::FromFile(path).has_value(); });
    ASSERT_TRUE(read.has_value()) << "reading the list did not return";
    EXPECT_EQ(*read, c.read);
  }
  EXPECT_EQ(WordList::FromFile((dir / "plain").string())->Words().size(), 2u);
}

TEST(WordListFiles, AListThatIsNoFileCountsAsMissing) {
  const fs::path dir = FreshDir("keyslinger-word-files-source");
  // German is a pipe, English a link to a device: made-up words of the built-in pairs.
  ASSERT_EQ(mkfifo((dir / "ngerman").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir / "american-english");
  const std::string folder = dir.string();
  std::optional<WordSource> none =
      WithinAMinute<WordSource>([folder] { return LoadWordSource(WordLanguage::German, folder); });
  ASSERT_TRUE(none.has_value()) << "loading the words did not return";
  EXPECT_TRUE(none->builtInOnly);
  EXPECT_EQ(none->language, WordLanguage::English);
  EXPECT_STREQ(none->Package(), "wngerman");
  // A real English list behind the German pipe: English words instead.
  fs::remove(dir / "american-english");
  std::ofstream(dir / "american-english") << "cat\ndog\n";
  std::optional<WordSource> english =
      WithinAMinute<WordSource>([folder] { return LoadWordSource(WordLanguage::German, folder); });
  ASSERT_TRUE(english.has_value());
  EXPECT_FALSE(english->builtInOnly);
  EXPECT_TRUE(english->englishInstead);
  EXPECT_EQ(english->list.Words().size(), 2u);
}

}  // namespace
