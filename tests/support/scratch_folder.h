// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of its own under /tmp for one test, removed with everything in it when the test ends.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

class ScratchFolder {
 public:
  // /tmp/keyslinger-<name>-XXXXXX, made at once.
  explicit ScratchFolder(const std::string& name = "test") {
    std::string pattern = "/tmp/keyslinger-" + name + "-XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder like " + pattern);
    path_ = pattern;
  }
  // A test may have taken write permission away from what it made: it is given back first.
  ~ScratchFolder() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
      if (it->is_directory(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder, without a slash at the end.
  const std::string& Path() const { return path_; }
  // A path inside it: Path() + "/" + relative.
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

 private:
  std::string path_;
};
