// Builds the application: the platform services, the shared state and the nine screens.
#include "app/qt_application.h"

#include "app/app_context.h"
#include "app/qt_level_play_host.h"
#include "app/shared_state.h"
#include "level/game_form.h"
#include "platform/file_lookup.h"
#include "platform/message_boxes.h"
#include "platform/qt_platform.h"
#include "profiles/about_form.h"
#include "profiles/first_start_form.h"
#include "profiles/help_form.h"
#include "profiles/main_menu_form.h"
#include "profiles/player_form.h"
#include "screens/pause_form.h"
#include "screens/score_form.h"
#include "screens/the_end_form.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <memory>

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
}  // namespace

int RunKeyslinger(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationDisplayName(kApplicationTitle);

  QtPlatform platform;
  SharedState shared;
  shared.appDir = ExecutableDir();
  AppContext context{shared, platform.services, platform.shell, nullptr, {}};
  QtLevelPlayHost host(context);

  // The nine screens, once each, in this order; the main menu's creation opens Player.ini.
  auto fmMain = std::make_unique<TfmMain>(context);
  context.screens.fmMain = fmMain.get();
  auto fmGame = std::make_unique<TfmGame>(context, host);
  context.screens.fmGame = fmGame.get();
  context.level = &fmGame->Level();
  auto fmScore = std::make_unique<TFmScore>(context);
  context.screens.FmScore = fmScore.get();
  auto fmPause = std::make_unique<TFmPause>(context);
  context.screens.FmPause = fmPause.get();
  auto fmPlayer = std::make_unique<TFmPlayer>(context);
  context.screens.FmPlayer = fmPlayer.get();
  auto fmTheEnd = std::make_unique<TFmTheEnd>(context);
  context.screens.FmTheEnd = fmTheEnd.get();
  auto fmAbout = std::make_unique<TfmAbout>(context);
  context.screens.fmAbout = fmAbout.get();
  auto firstStart = std::make_unique<TFirstStart>(context);
  context.screens.FirstStart = firstStart.get();
  auto fmHelp = std::make_unique<TfmHelp>(context);
  context.screens.fmHelp = fmHelp.get();

  // The main menu is the main window: closing it ends the program, whatever else is open.
  QApplication::setQuitOnLastWindowClosed(false);
  QuitWhenClosed quitWhenClosed;
  fmMain->installEventFilter(&quitWhenClosed);
  fmMain->ShowMenu();
  return app.exec();
}
