// SPDX-License-Identifier: GPL-3.0-or-later
// Whether this game may use Progress.db now. In the network mode another computer may have the
// records open, and locks between computers cannot be trusted: this game then neither reads nor
// writes the file (a read may roll back the other's half-done write). Shared by all of a game's
// connections; the one that keeps the game's lease sets it.
#pragma once
#include <mutex>
#include <optional>
#include <string>

class RecordsGate {
 public:
  // Another computer, named host, has the records open.
  void Close(const std::string& host) {
    std::lock_guard lock(mutex_);
    closedBy_ = host;
  }
  void Open() {
    std::lock_guard lock(mutex_);
    closedBy_.reset();
  }
  // The computer that has the records open; nothing while this game may use them.
  std::optional<std::string> ClosedBy() const {
    std::lock_guard lock(mutex_);
    return closedBy_;
  }

 private:
  mutable std::mutex mutex_;
  std::optional<std::string> closedBy_;
};
