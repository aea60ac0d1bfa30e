// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program with a window: one label. The yardstick for start-up times.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Hello"));
  label.setWindowTitle(QStringLiteral("Bare window"));
  label.show();
  return app.exec();
}
