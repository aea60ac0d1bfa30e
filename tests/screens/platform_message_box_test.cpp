// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes carry the program's title, the text as given, and one OK button.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt_message_boxes.h"

namespace {

TEST(QtMessageBoxes, ShowsTheTextUnderTheProgramTitleUntilOkIsPressed) {
  QtMessageBoxes messages;
  QString title;
  QString text;
  int buttons = -1;
  bool closedByOk = false;
  QTimer::singleShot(100, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    title = box->windowTitle();
    text = box->text();
    buttons = static_cast<int>(box->buttons().size());
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      closedByOk = true;
      ok->click();
    }
  });
  // Should the box not be found above, it is closed anyway so that the test ends and fails.
  QTimer::singleShot(5000, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  messages.Show("Unable to write to <Player.ini> — übel");
  EXPECT_EQ(title, QString("Keyslinger v.1.0"));
  EXPECT_EQ(text, QString::fromUtf8("Unable to write to <Player.ini> — übel"));
  EXPECT_EQ(buttons, 1);
  EXPECT_TRUE(closedByOk);
}

}  // namespace
