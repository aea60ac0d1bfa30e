// SPDX-License-Identifier: GPL-3.0-or-later
// The profile dialog's rules: adding, deleting and choosing profiles, the level START GAME plays
// and the difficulty. Every change is written to Player.ini at once; the dialog draws the view.
#include "profiles/profile_dialog.h"

#include <algorithm>

#include "core/services.h"
#include "core/shared_state.h"
#include "platform/game_error.h"
#include "platform/text_case.h"
#include "core/button_sound.h"
#include "progress/progress_recorder.h"
#include "core/ini_store.h"
#include "profiles/profile_names.h"

namespace {
bool ContainsNoCase(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& n) { return EqualsNoCaseAscii(n, name); });
}

void EraseNoCase(std::vector<std::string>& names, const std::string& name) {
  names.erase(std::remove_if(names.begin(), names.end(),
                             [&](const std::string& n) { return EqualsNoCaseAscii(n, name); }),
              names.end());
}

// Removes one entry for name: the one spelt exactly so, else the first in another letter case.
// Two sections whose names differ only in case are two entries, and deleting one keeps the other.
void EraseOneName(std::vector<std::string>& names, const std::string& name) {
  auto at = std::find(names.begin(), names.end(), name);
  if (at == names.end()) {
    at = std::find_if(names.begin(), names.end(),
                      [&](const std::string& n) { return EqualsNoCaseAscii(n, name); });
  }
  if (at != names.end()) names.erase(at);
}

std::string LevelText(int32_t level, bool blank) {
  return (blank ? "level " : "level") + std::to_string(level);
}
}  // namespace

ProfileDialog::ProfileDialog(SharedState& shared, Services& services, MenuLabels menu)
    : shared_(shared), services_(services), menu_(std::move(menu)) {}

template <typename F>
void ProfileDialog::Guarded(F&& handler) {
  try {
    handler();
  } catch (const GameError& e) {
    services_.messages.Show(e.what());
  }
}

std::string ProfileDialog::DifficultyText() const {
  return view_.difficulty < 0 ? std::string() : kDifficultyEntries[view_.difficulty];
}

void ProfileDialog::SelectDifficulty(const std::string& up) {
  for (size_t i = 0; i < kDifficultyEntries.size(); ++i)
    if (EqualsNoCaseAscii(kDifficultyEntries[i], up)) view_.difficulty = static_cast<int>(i);
}

void ProfileDialog::FillLevels(int32_t count) {
  for (int32_t i = 1; i <= count; ++i) view_.levels.push_back(LevelText(i, false));
}

void ProfileDialog::Open() {
  Guarded([this] {
    shared_.playerSections = shared_.playerStore->ReadSections();
    SelectDifficulty(shared_.playerStore->ReadString(shared_.currentPlayer, "up", "easy"));
    SelectProfile("");
  });
}

void ProfileDialog::PlaceCursors() {
  const IniStore& store = *shared_.playerStore;
  view_.cursorPlayer = -1;
  for (size_t i = 0; i < view_.players.size() && view_.cursorPlayer < 0; ++i) {
    if (EqualsNoCaseAscii(view_.players[i], shared_.currentPlayer)) view_.cursorPlayer = static_cast<int>(i);
  }
  const int32_t curlevel = shared_.currentPlayer.empty() ? 0 : store.ReadInteger(shared_.currentPlayer, "curlevel", 0);
  view_.cursorLevel = curlevel >= 1 && curlevel <= static_cast<int32_t>(view_.levels.size()) ? curlevel - 1 : -1;
}

void ProfileDialog::SelectProfile(const std::string& name) {
  SelectProfileOnly(name);
  PlaceCursors();
}

void ProfileDialog::SelectProfileOnly(const std::string& name) {
  IniStore& store = *shared_.playerStore;
  if (!name.empty()) {
    if (!ContainsNoCase(shared_.playerSections, name)) {
      store.WriteInteger(name, "levels", 1);
      store.WriteInteger(name, "curlevel", 1);
      shared_.playerSections.push_back(name);
      view_.players.push_back(name);
      store.WriteString(name, "up", DifficultyText());
    }
    store.WriteString("curplayer", "name", name);
    SelectDifficulty(store.ReadString(name, "up", "easy"));
    view_.nameField = name;
    ++view_.nameFieldSets;
    shared_.currentPlayer = store.ReadString("curplayer", "name", "");
    view_.levels.clear();
    view_.selectedLevel = -1;
    const int32_t curlevel = store.ReadInteger(name, "curlevel", 0);
    view_.levelLabel = LevelText(curlevel, true);
    FillLevels(store.ReadInteger(name, "levels", 0));
    if (menu_.setPlayer) menu_.setPlayer(name);
    if (menu_.setLevel) menu_.setLevel(LevelText(curlevel, true));
    return;
  }

  EraseNoCase(shared_.playerSections, "curplayer");
  view_.players = shared_.playerSections;
  view_.selectedPlayer = -1;
  const std::string current = store.ReadString("curplayer", "name", "");
  view_.levelLabel = LevelText(store.ReadInteger(current, "curlevel", 0), true);
  shared_.currentPlayer = current;
  if (current.empty()) return;
  view_.nameField = current;
  ++view_.nameFieldSets;
  const int32_t levels = store.ReadInteger(current, "levels", 0);
  view_.levels.clear();
  view_.selectedLevel = -1;
  if (levels <= 0)
    services_.messages.Show("error");
  else
    FillLevels(levels);
}

void ProfileDialog::Add(const std::string& nameField) {
  view_.nameField = nameField;
  view_.difficulty = 0;
  PlayButtonSound(shared_, services_);
  if (nameField.empty() || ContainsNoCase(view_.players, nameField)) return;
  // Names Player.ini could not hold as a section are refused, with the reason.
  const std::string problem = ProfileNameProblem(nameField);
  if (!problem.empty()) {
    services_.messages.Show(problem);
    return;
  }
  Guarded([&] { SelectProfile(nameField); });
}

void ProfileDialog::Delete() {
  PlayButtonSound(shared_, services_);
  const int row = view_.selectedPlayer;
  if (view_.players.size() < 2 || row < 0 || row >= static_cast<int>(view_.players.size())) return;
  const std::string doomed = view_.players[static_cast<size_t>(row)];
  Guarded([&] {
    // The file goes first: when it cannot be written, the list still shows what the file holds.
    shared_.playerStore->EraseSection(doomed);
    // The records match names without letter case: they go with the last section of the name.
    if (shared_.progress && !shared_.playerStore->SectionExists(doomed)) shared_.progress->DeleteProfile(doomed);
    view_.players.erase(view_.players.begin() + row);
    view_.selectedPlayer = -1;
    EraseOneName(shared_.playerSections, doomed);
    SelectProfile(view_.players.front());
  });
}

void ProfileDialog::ChooseProfile(int row) {
  if (row < 0 || row >= static_cast<int>(view_.players.size())) return;
  view_.selectedPlayer = row;
  const std::string name = view_.players[static_cast<size_t>(row)];
  Guarded([&] { SelectProfile(name); });
}

void ProfileDialog::ClearProfileChoice() { view_.selectedPlayer = -1; }

void ProfileDialog::ChooseLevel(int row) {
  if (row < 0 || row >= static_cast<int>(view_.levels.size())) return;
  view_.selectedLevel = row;
  const int32_t level = row + 1;
  view_.levelLabel = LevelText(level, false);
  if (menu_.setLevel) menu_.setLevel(LevelText(level, false));
  Guarded([&] { shared_.playerStore->WriteInteger(shared_.currentPlayer, "curlevel", level); });
  view_.cursorLevel = row;
}

void ProfileDialog::ChangeDifficulty(int entry) {
  if (entry < 0 || entry >= static_cast<int>(kDifficultyEntries.size())) return;
  view_.difficulty = entry;
  if (shared_.currentPlayer.empty()) return;
  Guarded(
      [this] { shared_.playerStore->WriteString(shared_.currentPlayer, "up", DifficultyText()); });
}

void ProfileDialog::Ok() { PlayButtonSound(shared_, services_); }

void ProfileDialog::Close() {
  if (shared_.currentPlayer.empty() || view_.difficulty < 0) return;
  // A refused write is reported, but the dialog still closes: the player is never held in it.
  Guarded(
      [this] { shared_.playerStore->WriteString(shared_.currentPlayer, "up", DifficultyText()); });
}
