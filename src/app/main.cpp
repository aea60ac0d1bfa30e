// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: "--class FOLDER" opens a class folder's CLASS screen; no other argument is read.
#include "app/qt_application.h"

#include <QtCore/qglobal.h>

int main(int argc, char* argv[]) {
  // The screens' pictures live in a static library; the linker keeps them only when asked to.
  Q_INIT_RESOURCE(pictures);
  return RunKeyslinger(argc, argv);
}
