// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the application: the platform services, the shared state and the nine screens.
#include "app/qt_application.h"

#include "classroom/hand_in_service.h"
#include "classroom/ui/class_form.h"
#include "core/app_context.h"
#include "core/school_settings.h"
#include "app/qt_level_play_host.h"
#include "app/qt_program_end.h"
#include "app/qt_screen_calls.h"
#include "core/shared_state.h"
#include "level/ui/game_form.h"
#include "level/level_play.h"
#include "platform/file_lookup.h"
#include "platform/game_paths.h"
#include "platform/login_name.h"
#include "platform/message_boxes.h"
#include "platform/player_files_copy.h"
#include "app/qt_platform.h"
#include "platform/qt/qt_toolkit_settings.h"
#include "platform/qt/qt_translations.h"
#include "practice/ui/practice_card_form.h"
#include "practice/ui/practice_results_form.h"
#include "practice/ui/qt_practice_flow.h"
#include "profiles/ui/about_form.h"
#include "profiles/ui/first_start_form.h"
#include "profiles/ui/help_form.h"
#include "profiles/ui/main_menu_form.h"
#include "profiles/ui/player_form.h"
#include "progress/ui/progress_form.h"
#include "progress/progress_recorder.h"
#include "screens/ui/pause_form.h"
#include "screens/ui/score_form.h"
#include "screens/ui/the_end_form.h"
#include "widgets/qt_keyboard_return.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {
// Ends the program when the watched window closes, though other windows may still exist.
class QuitWhenClosed : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && event->isAccepted()) {
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }
};

// Creates a screen and makes it known to the others through its slot in the context.
template <typename Screen, typename... Extra>
std::unique_ptr<Screen> CreateScreen(Screen*& slot, AppContext& context, Extra&... extra) {
  auto screen = std::make_unique<Screen>(context, extra...);
  // A screen without a title of its own carries the application's. Left empty, the window would
  // get only _NET_WM_NAME (from the display name) and an empty WM_NAME.
  if (screen->windowTitle().isEmpty()) screen->setWindowTitle(QString::fromUtf8(kApplicationTitle));
  slot = screen.get();
  return screen;
}

// The folder of "--class FOLDER"; empty when the game is started to be played.
QString ClassArgument(int argc, char* argv[]) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--class") == 0) return QFile::decodeName(argv[i + 1]);
  }
  return {};
}

// Runs a function on the game's thread once it is free; callable from any thread.
void PostToGame(std::function<void()> work) {
  QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}
}  // namespace

int RunKeyslinger(int argc, char* argv[]) {
  ChooseToolkitSettingsForSteadyRepaints();
  // The toolkit keeps the arguments it is given for its whole life.
  std::vector<std::string> toolkitArgs = ToolkitArguments(argc, argv);
  std::vector<char*> toolkitArgv;
  for (std::string& arg : toolkitArgs) toolkitArgv.push_back(arg.data());
  toolkitArgv.push_back(nullptr);
  int toolkitArgc = static_cast<int>(toolkitArgs.size());
  QApplication app(toolkitArgc, toolkitArgv.data());
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationDisplayName(kApplicationTitle);
  // Before the screens are made: they take their texts in the player's language when created.
  InstallUiLanguageFromEnvironment();

  QtPlatform platform;
  SharedState shared;
  // A game folder keeps everything beside the executable; an install reads its data folder and
  // keeps the player's files in the per-user data folder.
  const GamePaths paths = ResolveGamePaths(CurrentGamePathInputs());
  // A portable copy on read-only media brings its profiles and records along.
  if (!paths.carryFrom.empty()) {
    if (const std::string error = CopyPlayerFiles(paths.carryFrom, paths.playerDir); !error.empty()) {
      std::fprintf(stderr, "keyslinger: carrying the game folder's player files over: %s\n", error.c_str());
    }
  }
  shared.appDir = paths.contentDir;
  shared.dataDir = paths.playerDir;
  AppContext context{shared, platform.services, platform.shell, nullptr, {}, nullptr, {}};

  // A teacher's view of a class folder: the CLASS screen alone, no profile is opened or written.
  if (const QString classFolder = ClassArgument(argc, argv); !classFolder.isEmpty()) {
    TfmClass screen(context, classFolder);
    screen.ShowModal();
    return 0;
  }

  // The class folder a school sets (keyslinger.ini); the hand-ins follow every run. Declared
  // before the recorder, which tells it of the run it writes at exit.
  HandInService handIns(shared, platform.services, ReadSchoolSettings(CurrentSchoolSettingsInputs()).classFolder,
                        LoginName(), PostToGame, [] { return QDateTime::currentMSecsSinceEpoch(); });
  context.handIns = &handIns;
  QtLevelPlayHost host(context);
  // Declared before the screens, so it outlives level play and writes a run left open at exit.
  // The school's records mode (keyslinger.ini's [records] mode, KEYSLINGER_RECORDS_MODE) says how
  // Progress.db is kept where homes lie on a network file system.
  KeeperSetup keeping;
  keeping.mode = ReadSchoolSettings(CurrentSchoolSettingsInputs()).recordsMode;
  std::optional<ProgressRecorder> progress(std::in_place, shared, platform.services.timers,
                                           platform.services.messages,
                                           [] { return QDateTime::currentMSecsSinceEpoch(); }, keeping);
  shared.progress = &*progress;
  progress->recordsListener = &handIns;
  // Records of an older game are brought up to date beside the running game, once the menu is up.
  QTimer::singleShot(0, &app, [&progress] {
    if (progress) progress->UpdateInBackground();
  });

  // The nine screens, once each, in this order; the main menu's creation opens Player.ini.
  Screens& screens = context.screens;
  auto fmMain = CreateScreen(screens.fmMain, context);
  auto fmGame = CreateScreen(screens.fmGame, context, host);
  context.level = &fmGame->Level();
  context.level->listener = &*progress;
  auto fmScore = CreateScreen(screens.FmScore, context);
  auto fmPause = CreateScreen(screens.FmPause, context);
  auto fmPlayer = CreateScreen(screens.FmPlayer, context);
  auto fmTheEnd = CreateScreen(screens.FmTheEnd, context);
  auto fmAbout = CreateScreen(screens.fmAbout, context);
  auto firstStart = CreateScreen(screens.FirstStart, context);
  auto fmHelp = CreateScreen(screens.fmHelp, context);
  auto fmProgress = CreateScreen(screens.fmProgress, context);
  auto fmPracticeCard = CreateScreen(screens.fmPracticeCard, context);
  auto fmPracticeResults = CreateScreen(screens.fmPracticeResults, context);
  PracticeFlow practice(context);
  context.practice = &practice;
  practice.showProgress = [&context] {
    if (context.screens.fmMain) context.screens.fmMain->OpenProgress();
  };
  WireScreenCalls(context);

  // The main menu is the main window: closing it ends the program, whatever else is open.
  QApplication::setQuitOnLastWindowClosed(false);
  QuitWhenClosed quitWhenClosed;
  fmMain->installEventFilter(&quitWhenClosed);
  // Every screen that closes hands the keyboard back to the one beneath, with or without a
  // window manager.
  KeyboardReturn keyboardReturn;
  fmMain->ShowMenu();
  // Where the keyboard layout cannot be read (a Wayland desktop without an X display for X11
  // programs), the player is told once, over the menu, that the tags name US keys.
  if (!platform.keyboard.ReadsLayout()) {
    std::fprintf(stderr, "keyslinger: the window system %s does not let the game read the keyboard layout; the tags name US keys\n",
                 qPrintable(QGuiApplication::platformName()));
    QTimer::singleShot(0, &app, [&platform] { platform.messages.ShowNotice({PlayerNotice::Kind::UsKeyNames, {}}); });
  }

  // A signal ends the program as closing the window does. Level play stops reporting first: a
  // modal screen left by it may lead on to another level, which nobody plays. A lost X
  // connection ends it from inside the toolkit: the recorder then writes the open run as quit.
  ProgramEndGuard endGuard([&context] { context.level->listener = nullptr; },
                           [&context, &shared, &progress] {
                             context.level->listener = nullptr;
                             shared.progress = nullptr;
                             progress.reset();
                           });
  return app.exec();
}
