// SPDX-License-Identifier: GPL-3.0-or-later
// PracticeFlow: the way through practice across the screens.
#include "practice/ui/qt_practice_flow.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "level/ui/game_form.h"
#include "level/level_play.h"
#include "platform/game_error.h"
#include "platform/keyboard_layout.h"
#include "practice/ui/practice_card_form.h"
#include "practice/ui/practice_results_form.h"
#include "practice/practice_session.h"
#include "words/words_source.h"
#include "progress/progress_database.h"
#include "progress/progress_problem.h"
#include "progress/progress_recorder.h"
#include "progress/records_gate.h"
#include "level/ui/floating_screens.h"
#include "widgets/qt_scaled_screen.h"

PracticeFlow::PracticeFlow(AppContext& app) : app_(app) {}

PracticeFlow::~PracticeFlow() = default;

std::string PracticeFlow::ScriptFolder() const {
  return scriptDir_ ? scriptDir_->path().toStdString() : std::string();
}

void PracticeFlow::ShowOverGame(const AppContext& app, QWidget* form, ScaledScreen& scaled) {
  QScreen* screen = nullptr;
  const int factor = FloatingScreenFactor(app, &screen);
  // No event loop of its own: a modal loop does not end inside the enlarging window. Window
  // modality keeps the game screen's keys and clicks away all the same.
  form->setWindowModality(factor == 1 ? Qt::ApplicationModal : Qt::NonModal);
  scaled.Place(factor, screen, true);
  form->show();
  form->raise();
  form->activateWindow();
  form->setFocus();
  scaled.Activate();
}

void PracticeFlow::ToggleFullScreen(const AppContext& app, QWidget* form, ScaledScreen& scaled) {
  TfmGame* game = app.screens.fmGame;
  if (!game || !game->isVisible()) return;
  game->ToggleFullScreen();
  // The enlarged window the key came through is replaced: not while its event is delivered.
  // Hidden first, the screen is a window of its own again and shows anew where it is placed.
  QTimer::singleShot(0, form, [&app, form, &scaled] {
    if (!form->isVisible()) return;
    form->hide();
    ShowOverGame(app, form, scaled);
  });
}

std::string PracticeFlow::DatabasePath() const {
  return app_.shared.progress ? app_.shared.progress->DatabasePath()
                              : app_.shared.PlayerDataDir() + kProgressFileName;
}

void PracticeFlow::ShowFailure(const std::exception& e) const {
  if (const auto* progress = dynamic_cast<const ProgressError*>(&e)) {
    app_.services.messages.Show(ProgressProblemMessage(*progress, DatabasePath()));
    return;
  }
  app_.services.messages.Show(e.what());
}

bool PracticeFlow::Compose() {
  if (!scriptDir_) {
    scriptDir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                 QStringLiteral("/keyslinger-drill-XXXXXX"));
    if (!scriptDir_->isValid()) {
      scriptDir_.reset();
      app_.services.messages.Show("Unable to write to " + QDir::tempPath().toStdString());
      return false;
    }
  }
  PracticeSetup setup;
  setup.appDir = app_.shared.appDir;
  setup.dbPath = DatabasePath();
  if (app_.shared.progress) setup.access = app_.shared.progress->Access();
  setup.profile = app_.shared.currentPlayer;
  setup.scriptPath = ScriptFolder() + "/Drill.ini";
  if (app_.services.keyboard) setup.layout = app_.services.keyboard->ActiveTable();
  // The player's own calendar days.
  setup.today = today ? today : [] { return LocalDayOf(QDateTime::currentMSecsSinceEpoch()); };
  setup.lastLevel = app_.shared.lastLevel;
  if (!words_) {
    // A list takes tens of milliseconds to read: once, as the first drill is composed, not while
    // the menu starts.
    words_ = std::make_unique<WordSource>(
        loadWords ? loadWords()
                  : LoadWordSourceForLocale([](const char* name) { return std::getenv(name); }, kDebianWordListDir,
                                            app_.shared.appDir + kRankTableFolder));
  }
  setup.words = words_.get();
  const RecordsAccess access = setup.access;
  auto session = std::make_unique<PracticeSession>(std::move(setup), app_.services.random);
  try {
    session->Prepare();
  } catch (const ProgressError& e) {
    // Another computer has the records: practice, which reads and writes them, waits for it.
    if (e.Fault() == ProgressFault::kOpenElsewhere && access.gate) {
      app_.services.messages.ShowNotice(
          PlayerNotice{PlayerNotice::Kind::ProgressOpenElsewhere, {access.gate->ClosedBy().value_or("")}});
    } else {
      app_.services.messages.Show(e.what());
    }
    return false;
  } catch (const std::exception& e) {
    ShowFailure(e);
    return false;
  }
  session->Drill()->onFinished = [this](const LevelCounters& counters) { DrillFinished(counters); };
  // For the end-to-end tests, which must know what to type: each word given to a figure, as a
  // line on stderr, when KEYSLINGER_E2E_WORDS=1.
  if (const char* e2e = std::getenv("KEYSLINGER_E2E_WORDS"); e2e && std::strcmp(e2e, "1") == 0) {
    session->Drill()->onWord = [](const DrillWord& word) {
      std::fprintf(stderr, "keyslinger: word %s\n", word.text.c_str());
      std::fflush(stderr);
    };
  }
  retired_ = std::move(session_);
  session_ = std::move(session);
  return true;
}

bool PracticeFlow::Begin() {
  if (!Compose()) return false;
  app_.calls.ShowGameScreen();
  app_.calls.HideMainMenu();
  if (app_.screens.fmPracticeCard) app_.screens.fmPracticeCard->ShowCard();
  return true;
}

void PracticeFlow::StartDrill() {
  if (!session_ || !session_->Drill()) return;
  if (app_.screens.fmPracticeCard) app_.screens.fmPracticeCard->hide();
  app_.calls.ShowGameScreen();
  app_.level->ResetCounters();
  app_.level->StartDrill(kPracticeRunName, *session_->Drill());
  retired_.reset();
  // A drill that cannot be loaded leaves nothing to play: back to the menu.
  if (!app_.level->LevelLoaded()) ToMainMenu();
}

void PracticeFlow::BackToProgress() {
  if (app_.screens.fmPracticeCard) app_.screens.fmPracticeCard->hide();
  app_.calls.HideGameScreen();
  app_.calls.ShowMainMenu();
  // PROGRESS waits in a loop of its own: it starts once the key that led here is done.
  if (showProgress) QTimer::singleShot(0, this, [this] { showProgress(); });
}

void PracticeFlow::ChangeTarget(SpeedTarget which, int steps) {
  if (!session_) return;
  try {
    session_->ChangeTarget(which, steps);
  } catch (const std::exception& e) {
    ShowFailure(e);
  }
}

void PracticeFlow::DrillFinished(const LevelCounters& counters) {
  // The run is stored by now: the recorder writes it as the script runs out, before this. It
  // also measured the word waves, when the drill had any.
  std::optional<WordSpeed> words;
  const ProgressRecorder* recorder = app_.shared.progress;
  if (recorder && session_->Drill() && session_->Drill()->WordWaveCount() > 0 &&
      (recorder->WordReadyMs() > 0 || !recorder->WordRecords().empty())) {
    words = recorder->LastWordSpeed();
  }
  try {
    session_->Finish(counters, words);
  } catch (const std::exception& e) {
    ShowFailure(e);
  }
  if (app_.screens.fmPracticeResults) app_.screens.fmPracticeResults->ShowResults();
}

void PracticeFlow::PractiseAgain() {
  if (app_.screens.fmPracticeResults) app_.screens.fmPracticeResults->hide();
  app_.level->CloseLevel();
  if (!Begin()) ToMainMenu();
}

void PracticeFlow::ToMainMenu() {
  if (app_.screens.fmPracticeResults) app_.screens.fmPracticeResults->hide();
  if (app_.screens.fmPracticeCard) app_.screens.fmPracticeCard->hide();
  app_.level->QuitToMenu();
}
