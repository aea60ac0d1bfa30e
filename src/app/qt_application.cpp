// Builds the application: the platform services, the shared state and the nine screens.
#include "app/qt_application.h"

#include "platform/message_boxes.h"

#include <QApplication>

int RunKeyslinger(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  return 0;
}
