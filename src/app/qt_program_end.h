// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program from outside: termination signals and a lost X connection.
#pragma once
#include <QObject>

#include <functional>

class QSocketNotifier;

// While it lives, SIGTERM, SIGHUP and SIGINT end the program as closing the main window does:
// every event loop is left, so the program's objects are torn down in order and the open run
// is written. beforeQuit runs first, on the event loop, when such a signal has come.
//
// The toolkit answers a lost X connection by calling exit() from inside its event processing,
// which unwinds nothing; lastWrites then runs from an exit handler, with the program's objects
// still alive, to write what would otherwise be lost. It does not run when the guard is
// destroyed first (every ordinary way out).
class ProgramEndGuard : public QObject {
 public:
  ProgramEndGuard(std::function<void()> beforeQuit, std::function<void()> lastWrites);
  ~ProgramEndGuard() override;
  ProgramEndGuard(const ProgramEndGuard&) = delete;
  ProgramEndGuard& operator=(const ProgramEndGuard&) = delete;

 private:
  void SignalArrived();

  std::function<void()> beforeQuit_;
  QSocketNotifier* notifier_ = nullptr;
};
