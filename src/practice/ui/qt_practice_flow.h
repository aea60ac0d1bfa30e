// SPDX-License-Identifier: GPL-3.0-or-later
// PracticeFlow: the way through practice across the screens: from PROGRESS to the drill's card,
// the drill on the game screen, its results, and on to another drill or the main menu.
#pragma once
#include <QObject>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

struct AppContext;
struct LevelCounters;
class PracticeSession;
enum class SpeedTarget;
class QTemporaryDir;
class ScaledScreen;
class QWidget;
struct WordSource;

class PracticeFlow : public QObject {
  Q_OBJECT
 public:
  explicit PracticeFlow(AppContext& app);
  ~PracticeFlow() override;

  // Composes the next drill of the current profile and shows its card over the game screen.
  // False, with the reason shown to the player, when no drill can be made.
  bool Begin();
  // The card's ways on: the drill, or back to PROGRESS (the main menu's ShowProgress).
  void StartDrill();
  void BackToProgress();
  // The card's + and -: one of the targets a step slower (steps > 0) or faster.
  void ChangeTarget(SpeedTarget which, int steps);
  // The results' ways on: the next drill's card, or the main menu.
  void PractiseAgain();
  void ToMainMenu();

  // The session of the drill on the card or just played; null before the first.
  PracticeSession* Session() const { return session_.get(); }
  // The folder the drills' scripts are written to: a temporary folder of this run of the
  // program, made with the first drill and removed at exit; empty before.
  std::string ScriptFolder() const;
  // How the card gets back to PROGRESS: set by the main menu, which shows that screen.
  std::function<void()> showProgress;
  // The player's local day now; the real calendar unless set (tests set their own).
  std::function<int64_t()> today;
  // Reads the words of the drills, once per run of the program as the first drill is composed:
  // the word list of the locale's language from the system's dictionaries unless set (tests set
  // their own).
  std::function<WordSource()> loadWords;
  // The words of the drills; null before the first drill.
  const WordSource* Words() const { return words_.get(); }

  // Shows a practice screen over the game: enlarged by the game's whole factor in full screen,
  // and taking all input until it hides, without an event loop of its own.
  static void ShowOverGame(const AppContext& app, QWidget* form, ScaledScreen& scaled);
  // The full-screen key on a practice screen: the game screen switches (and stores the choice)
  // and the screen is placed anew over it, once the key's event is done with the screen.
  static void ToggleFullScreen(const AppContext& app, QWidget* form, ScaledScreen& scaled);

 private:
  void DrillFinished(const LevelCounters& counters);
  bool Compose();
  std::string DatabasePath() const;
  // Tells the player of a failure: one of Progress.db by the file's name and what could not be
  // done with it, never the database library's own words.
  void ShowFailure(const std::exception& e) const;

  AppContext& app_;
  std::unique_ptr<QTemporaryDir> scriptDir_;
  // Before the sessions: their drills hold on to its list.
  std::unique_ptr<WordSource> words_;
  std::unique_ptr<PracticeSession> session_;
  // The session before the current one, kept until the new drill starts: level play still
  // names its drill until then.
  std::unique_ptr<PracticeSession> retired_;
};
