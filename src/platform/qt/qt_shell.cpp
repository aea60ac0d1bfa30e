// SPDX-License-Identifier: GPL-3.0-or-later
// Opening web pages and documents through the desktop's default programs.
#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

void QtShell::Open(const std::string& url, std::function<void()> failed) {
  const QString address = QString::fromStdString(url);
  // xdg-open says whether a program took the page (its exit status); Qt's own opening reports
  // only whether it found xdg-open or another launcher, and is the way where there is none.
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (xdgOpen.isEmpty()) {
    if (!QDesktopServices::openUrl(QUrl::fromUserInput(address)) && failed) failed();
    return;
  }
  // The process has no parent: ending the game must not take the browser it started with it.
  auto* process = new QProcess;
  auto report = std::make_shared<std::function<void()>>(std::move(failed));
  QObject::connect(process, &QProcess::finished, process, [process, report](int code, QProcess::ExitStatus status) {
    if ((status != QProcess::NormalExit || code != 0) && *report) (*report)();
    process->deleteLater();
  });
  QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    if (*report) (*report)();
    process->deleteLater();
  });
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start(xdgOpen, {address});
}
