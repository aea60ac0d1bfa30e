// Opening web pages and documents through the desktop's default programs.
#include "platform/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

void QtShell::Open(const std::string& url) {
  // A failure shows nothing: the caller ignores the result.
  QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}
