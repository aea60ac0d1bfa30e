// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program from outside: termination signals and a lost X connection.
#include "app/qt_program_end.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

namespace {
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may do nothing but write one byte; the event loop reads it (the self-pipe).
int signalPipe[2] = {-1, -1};
// Set while a guard lives; taken (so it runs once) by the exit handler.
std::function<void()>* pendingLastWrites = nullptr;

void OnSignal(int number) {
  const int saved = errno;
  const char byte = static_cast<char>(number);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

void RunLastWrites() {
  std::function<void()>* writes = std::exchange(pendingLastWrites, nullptr);
  if (writes && *writes) (*writes)();
  delete writes;
}
}  // namespace

ProgramEndGuard::ProgramEndGuard(std::function<void()> beforeQuit, std::function<void()> lastWrites)
    : beforeQuit_(std::move(beforeQuit)) {
  static bool exitHandlerRegistered = false;
  if (!exitHandlerRegistered) exitHandlerRegistered = std::atexit(RunLastWrites) == 0;
  pendingLastWrites = new std::function<void()>(std::move(lastWrites));

  if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { SignalArrived(); });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) ::sigaction(number, &action, nullptr);
}

ProgramEndGuard::~ProgramEndGuard() {
  // From here the program's own teardown writes the run; a signal now ends it at once.
  for (int number : kSignals) ::signal(number, SIG_DFL);
  delete std::exchange(pendingLastWrites, nullptr);
}

void ProgramEndGuard::SignalArrived() {
  char bytes[16];
  while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
  }
  if (beforeQuit_) beforeQuit_();
  // exit(), not quit(): quit() asks the windows first, and the results screen refuses to close.
  // Nested loops (a modal screen) are left too, and none starts again.
  QCoreApplication::exit(0);
}
