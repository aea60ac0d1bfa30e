// SPDX-License-Identifier: GPL-3.0-or-later
// The INI store: reads through a checked parse cache, writes by atomic replacement.
#include "core/ini_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "platform/durable_file.h"
#include "platform/file_lookup.h"
#include "platform/folders.h"
#include "platform/game_error.h"
#include "platform/text_case.h"
#include "platform/write_refused.h"

namespace {

constexpr size_t kMaxValueLength = 2047;
constexpr size_t kSectionNamesBufferSize = 16384;
// File systems stamp modification times coarsely (a clock tick, or whole seconds); a file whose
// stamp lies this close to the moment it was read could change again without a new stamp.
constexpr int64_t kRacyWindowNs = 2'000'000'000;

struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t mtimeNs = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const struct stat& info) {
  return FileStamp{
      info.st_dev, info.st_ino, info.st_size,
      static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

int64_t NowNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// Files made on systems whose names ignore letter case: each part of the path that does not
// exist as written is looked for among its folder's entries without regard to (ASCII) case.
// Backslashes separate folders as slashes do, as for pictures and sounds; an existing file is
// found as the picture loader finds it, and only a file still to be made keeps its last part.
std::string ResolveLetterCase(const std::string& written) {
  std::string path = written;
  std::replace(path.begin(), path.end(), '\\', '/');
  if (path.empty() || PathExists(path)) return path;
  if (const std::optional<std::string> found = FindFileNoCase(path)) return *found;
  std::string resolved = path.front() == '/' ? "/" : "";
  size_t pos = path.front() == '/' ? 1 : 0;
  while (pos <= path.size()) {
    size_t slash = path.find('/', pos);
    if (slash == std::string::npos) slash = path.size();
    std::string part = path.substr(pos, slash - pos);
    pos = slash + 1;
    if (part.empty()) continue;
    std::string folder = resolved.empty() ? "." : resolved;
    std::string joined = resolved + part;
    if (!PathExists(joined)) {
      std::optional<std::string> match;
      if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
          if (EqualsNoCaseAscii(entry->d_name, part)) {
            match = entry->d_name;
            break;
          }
        }
        closedir(dir);
      }
      if (!match) return joined + (slash < path.size() ? path.substr(slash) : "");
      joined = resolved + *match;
    }
    resolved = joined + (slash < path.size() ? "/" : "");
  }
  return resolved;
}

struct FileRead {
  bool exists = false;
  std::string text;
  struct stat info {};
};

// Reads the whole file; the stamp comes from the open descriptor, so it belongs to the bytes.
// Gives nothing when the file exists but cannot be read.
std::optional<FileRead> ReadFile(const std::string& path) {
  FileRead result;
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return result;
    return std::nullopt;
  }
  bool ok = fstat(fd, &result.info) == 0 && S_ISREG(result.info.st_mode);
  if (ok) {
    result.exists = true;
    result.text.reserve(static_cast<size_t>(result.info.st_size));
    char buffer[65536];
    for (;;) {
      ssize_t got = read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) ok = false;
      if (got <= 0) break;
      result.text.append(buffer, static_cast<size_t>(got));
    }
  }
  close(fd);
  if (!ok) return std::nullopt;
  return result;
}

const std::shared_ptr<const IniDocument>& EmptyDocument() {
  static const std::shared_ptr<const IniDocument> empty =
      std::make_shared<const IniDocument>(IniDocument::Parse(""));
  return empty;
}

std::string_view CutToMaxValue(std::string_view text) {
  return text.size() > kMaxValueLength ? text.substr(0, kMaxValueLength) : text;
}

// A line break inside a name or value would change the file's structure: the text ends there.
std::string_view SingleLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

// The file's raw lines, each with its own line ending ("", "\n" or "\r\n"); line i here is line
// i + 1 of the parsed document.
struct RawLines {
  std::string bom;
  std::vector<std::string> lines;
  std::vector<std::string> endings;
  std::string newline = "\n";

  explicit RawLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
      bom = text.substr(0, 3);
      text.remove_prefix(3);
    }
    size_t firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
      newline = "\r\n";
    }
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) {
        lines.emplace_back(text.substr(pos));
        endings.emplace_back();
        break;
      }
      size_t contentEnd = (end > pos && text[end - 1] == '\r') ? end - 1 : end;
      lines.emplace_back(text.substr(pos, contentEnd - pos));
      endings.emplace_back(text.substr(contentEnd, end + 1 - contentEnd));
      pos = end + 1;
    }
  }

  // Inserts before index (0-based); a line it follows that had no ending gets one.
  void Insert(size_t index, std::string line) {
    if (index > 0 && endings[index - 1].empty()) endings[index - 1] = newline;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
    endings.insert(endings.begin() + static_cast<std::ptrdiff_t>(index), newline);
  }

  void Erase(size_t from, size_t to) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(from),
                lines.begin() + static_cast<std::ptrdiff_t>(to));
    endings.erase(endings.begin() + static_cast<std::ptrdiff_t>(from),
                  endings.begin() + static_cast<std::ptrdiff_t>(to));
  }

  std::string Join() const {
    std::string text = bom;
    for (size_t i = 0; i < lines.size(); ++i) text += lines[i] + endings[i];
    return text;
  }
};

std::string FullPath(const std::string& path) {
  if (!path.empty() && path.front() == '/') return path;
  char cwd[PATH_MAX];
  if (getcwd(cwd, sizeof cwd) == nullptr) return path;
  return std::string(cwd) + "/" + path;
}

// Writes text to a new file beside target and renames it over target. The target keeps its
// permission bits; a new file gets the usual ones (0666 less the umask).
bool ReplaceFile(const std::string& target, std::string_view text, const struct stat* old) {
  size_t slash = target.rfind('/');
  std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  // A per-user data folder may not exist before the first write: it is made then.
  if (slash != std::string::npos && !MakeFolders(folder)) return false;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = (slash == std::string::npos ? "" : folder) + "." + base + ".tmp" +
           std::to_string(getpid()) + "-" + std::to_string(NowNs() % 1'000'000'007 + attempt);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  bool ok = WriteAll(fd, text) && fsync(fd) == 0;
  if (ok && old != nullptr) {
    // Keeping the owner works only for the superuser; for anyone else it is the owner already.
    if (fchown(fd, old->st_uid, old->st_gid) != 0) {
    }
    ok = fchmod(fd, old->st_mode & 07777) == 0;
  }
  ok = close(fd) == 0 && ok;
  if (ok) ok = rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  // The rename itself becomes durable with the folder.
  int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    fsync(dirFd);
    close(dirFd);
  }
  return true;
}

}  // namespace

struct IniStore::Cache {
  std::optional<FileStamp> stamp;
  // Set while the stamp is too recent to prove the content unchanged; the bytes are then compared.
  bool racy = false;
  std::string text;
  std::shared_ptr<const IniDocument> document;

  void Remember(const FileRead& file, std::shared_ptr<const IniDocument> parsed, int64_t readNs) {
    stamp = StampOf(file.info);
    racy = stamp->mtimeNs >= readNs - kRacyWindowNs;
    text = file.text;
    document = std::move(parsed);
  }
};

IniStore::IniStore(std::string path)
    : path_(ResolveLetterCase(path)), cache_(std::make_unique<Cache>()) {}

IniStore::~IniStore() = default;

std::shared_ptr<const IniDocument> IniStore::Document() const {
  Cache& cache = *cache_;
  struct stat info {};
  if (stat(path_.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    cache.stamp.reset();
    return EmptyDocument();
  }
  if (cache.stamp && *cache.stamp == StampOf(info) && !cache.racy) return cache.document;

  int64_t readNs = NowNs();
  std::optional<FileRead> file = ReadFile(path_);
  if (!file || !file->exists) {
    cache.stamp.reset();
    return EmptyDocument();
  }
  std::shared_ptr<const IniDocument> parsed;
  if (cache.stamp && cache.text == file->text) {
    parsed = cache.document;
  } else {
    parsed = std::make_shared<const IniDocument>(IniDocument::Parse(file->text));
  }
  cache.Remember(*file, parsed, readNs);
  return parsed;
}

IniStore::Snapshot IniStore::Read() const { return Snapshot(Document()); }

std::string IniStore::Snapshot::ReadString(std::string_view section, std::string_view key,
                                           std::string_view fallback) const {
  if (const IniEntry* entry = document_->FindEntry(section, key)) return entry->value;
  // Trailing blanks of a default are dropped, as the platform's profile reader does.
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  return std::string(CutToMaxValue(fallback));
}

int32_t IniStore::Snapshot::ReadInteger(std::string_view section, std::string_view key,
                                        int32_t fallback) const {
  return IniIntegerOr(ReadString(section, key, ""), fallback);
}

std::string IniStore::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  return Read().ReadString(section, key, fallback);
}

int32_t IniStore::ReadInteger(std::string_view section, std::string_view key,
                              int32_t fallback) const {
  return Read().ReadInteger(section, key, fallback);
}

bool IniStore::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<std::string> IniStore::ReadSections() const {
  std::shared_ptr<const IniDocument> document = Document();
  std::vector<std::string> names;
  size_t used = 1;  // the closing zero byte of the list
  for (const IniSection& section : document->Sections()) {
    // An empty name would read as the end of the zero-separated list.
    if (section.name.empty()) continue;
    used += section.name.size() + 1;
    if (used > kSectionNamesBufferSize) break;
    names.push_back(section.name);
  }
  return names;
}

bool IniStore::SectionExists(std::string_view section) const {
  return Document()->FindSection(section) != nullptr;
}

namespace {

// Reads the file for a change, applies edit to its raw lines and replaces the file; throws the
// refusal. edit returns false when nothing is to be written.
template <typename Edit>
void ChangeFile(const std::string& path, Edit edit, std::string& written, struct stat& info) {
  std::string target = path;
  struct stat linkInfo {};
  if (lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
    if (char* real = realpath(path.c_str(), nullptr)) {
      target = real;
      free(real);
    }
  }
  const WriteRefused refusal("Unable to write to " + FullPath(path));
  std::optional<FileRead> file = ReadFile(target);
  if (!file) throw refusal;
  IniDocument document = IniDocument::Parse(file->text);
  RawLines raw(file->text);
  if (!edit(document, raw)) {
    written = std::move(file->text);
    info = file->info;
    return;
  }
  // A file without any write permission bit is read-only for everyone, the superuser included.
  if (file->exists && ((file->info.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0)) {
    throw refusal;
  }
  written = raw.Join();
  if (!ReplaceFile(target, written, file->exists ? &file->info : nullptr)) throw refusal;
  if (stat(target.c_str(), &info) != 0) info = {};
}

}  // namespace

void IniStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  section = SingleLine(section);
  key = SingleLine(key);
  value = SingleLine(value);
  auto edit = [&](const IniDocument& document, RawLines& raw) {
    const IniSection* found = document.FindSection(section);
    if (found == nullptr) {
      raw.Insert(raw.lines.size(), "[" + std::string(section) + "]");
      raw.Insert(raw.lines.size(), std::string(key) + "=" + std::string(value));
      return true;
    }
    for (const IniEntry& entry : found->entries) {
      if (EqualsNoCaseAscii(entry.key, key)) {
        raw.lines[static_cast<size_t>(entry.line - 1)] = entry.key + "=" + std::string(value);
        return true;
      }
    }
    int after = found->entries.empty() ? found->line : found->entries.back().line;
    raw.Insert(static_cast<size_t>(after), std::string(key) + "=" + std::string(value));
    return true;
  };
  std::string written;
  struct stat info {};
  int64_t writeNs = NowNs();
  ChangeFile(path_, edit, written, info);
  FileRead file{true, std::move(written), info};
  cache_->Remember(file, std::make_shared<const IniDocument>(IniDocument::Parse(file.text)),
                   writeNs);
}

void IniStore::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniStore::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniStore::EraseSection(std::string_view section) {
  auto edit = [&](const IniDocument& document, RawLines& raw) {
    const std::vector<IniSection>& sections = document.Sections();
    for (size_t i = 0; i < sections.size(); ++i) {
      if (!EqualsNoCaseAscii(sections[i].name, section)) continue;
      size_t from = static_cast<size_t>(sections[i].line - 1);
      size_t to = i + 1 < sections.size() ? static_cast<size_t>(sections[i + 1].line - 1)
                                          : raw.lines.size();
      raw.Erase(from, to);
      return true;
    }
    return false;
  };
  std::string written;
  struct stat info {};
  int64_t writeNs = NowNs();
  ChangeFile(path_, edit, written, info);
  cache_->stamp.reset();
  if (info.st_ino != 0) {
    FileRead file{true, std::move(written), info};
    cache_->Remember(file, std::make_shared<const IniDocument>(IniDocument::Parse(file.text)),
                     writeNs);
  }
}
