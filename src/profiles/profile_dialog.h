// SPDX-License-Identifier: GPL-3.0-or-later
// The profile dialog's rules: adding, deleting and choosing profiles, the level START GAME plays
// and the difficulty. Every change is written to Player.ini at once; the dialog draws the view.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Services;
struct SharedState;

inline constexpr std::array<const char*, 3> kDifficultyEntries = {"Easy", "Normal", "Hard"};

// What the dialog shows. Rows are counted from 0; -1 means no row or entry.
struct ProfileDialogView {
  std::vector<std::string> players;
  int selectedPlayer = -1;
  std::vector<std::string> levels;
  int selectedLevel = -1;
  // Where the keyboard's cursor stands in the lists while no row is chosen: the current
  // profile's row and its current level's, so an arrow goes on from there.
  int cursorPlayer = -1;
  int cursorLevel = -1;
  std::string nameField;
  int nameFieldSets = 0;  // counts the times the rules put a name into the field
  std::string levelLabel = "level";
  int difficulty = -1;  // entry of kDifficultyEntries
};

// The main menu's two labels, which the dialog writes.
struct MenuLabels {
  std::function<void(const std::string&)> setPlayer;
  std::function<void(const std::string&)> setLevel;
};

class ProfileDialog {
 public:
  ProfileDialog(SharedState& shared, Services& services, MenuLabels menu);

  const ProfileDialogView& View() const { return view_; }

  // Each operation is one handler of the dialog: a write that Player.ini refuses is shown in a
  // message box and ends that handler where it happened.
  void Open();
  void Add(const std::string& nameField);
  void Delete();
  // Every click or key choice of a row, also of the row already highlighted.
  void ChooseProfile(int row);
  // The highlight was taken off the players list (Ctrl+click): no profile is selected any more.
  void ClearProfileChoice();
  void ChooseLevel(int row);
  void ChangeDifficulty(int entry);
  void Ok();
  void Close();
  // With a name: creates that profile when it is new, makes it current and shows it here and on
  // the menu. With an empty name: reloads the players list and shows the current profile.
  // Throws GameError when Player.ini cannot be written.
  void SelectProfile(const std::string& name);

 private:
  template <typename F>
  void Guarded(F&& handler);
  void SelectProfileOnly(const std::string& name);
  // The cursors on the current profile's row and its current level's.
  void PlaceCursors();
  void SelectDifficulty(const std::string& up);
  void FillLevels(int32_t count);
  std::string DifficultyText() const;

  SharedState& shared_;
  Services& services_;
  MenuLabels menu_;
  ProfileDialogView view_;
};
