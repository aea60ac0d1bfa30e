// SPDX-License-Identifier: GPL-3.0-or-later
// The INI store: every INI file of the game is read and written through it.
#pragma once
#include "core/ini_document.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Reads the file afresh at every access (a cached parse is reused only while the file's size and
// modification time are unchanged) and writes every change to disk at once, atomically: a
// temporary file beside it is written, flushed and renamed over it, so the file is never left
// half-written. A missing file reads as empty; missing folders above it are made on the first
// write. Section and key names ignore letter case.
class IniStore {
public:
  // path is native; when a file exists whose path differs only in letter case, that file is used.
  explicit IniStore(std::string path);
  ~IniStore();
  IniStore(const IniStore&) = delete;
  IniStore& operator=(const IniStore&) = delete;

  const std::string& Path() const { return path_; }

  // The file as one look at it found it: values that belong together (a script step's command
  // and parameters) are read from it with one check of the file instead of one each.
  class Snapshot {
  public:
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;

  private:
    friend class IniStore;
    explicit Snapshot(std::shared_ptr<const IniDocument> document) : document_(std::move(document)) {}
    std::shared_ptr<const IniDocument> document_;
  };
  Snapshot Read() const;

  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  // Section names in file order; only as many as fit 16384 bytes with a zero byte after each.
  std::vector<std::string> ReadSections() const;
  bool SectionExists(std::string_view section) const;
  // The whole parsed file, for tools that report line numbers.
  std::shared_ptr<const IniDocument> Document() const;

  // Each throws GameError("Unable to write to <path>") when the platform refuses the write (a
  // read-only file or folder); the file then keeps its earlier content.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void EraseSection(std::string_view section);

private:
  struct Cache;
  std::string path_;
  std::unique_ptr<Cache> cache_;
};
