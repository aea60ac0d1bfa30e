// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes carry the program's title, the text as given, and one OK button.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_message_boxes.h"

namespace {

TEST(QtMessageBoxes, ShowsTheTextUnderTheProgramTitleUntilOkIsPressed) {
  QtMessageBoxes messages;
  QString title;
  QString text;
  int buttons = -1;
  bool closedByOk = false;
  // Looks for the box until it is up, however long a busy machine takes to show it.
  QTimer finder;
  QObject::connect(&finder, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    finder.stop();
    title = box->windowTitle();
    text = box->text();
    buttons = static_cast<int>(box->buttons().size());
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      closedByOk = true;
      ok->click();
    }
  });
  finder.start(10);
  // Should the box never be found above, it is closed anyway so that the test ends and fails.
  // The guard lives only as long as this test, so it cannot close a later test's box.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  guard.start(60000);
  messages.Show("Unable to write to <Player.ini> — übel");
  EXPECT_EQ(title, QString("Keyslinger v.1.0"));
  EXPECT_EQ(text, QString::fromUtf8("Unable to write to <Player.ini> — übel"));
  EXPECT_EQ(buttons, 1);
  EXPECT_TRUE(closedByOk);
}

// A notice about the game is drawn as a board of the game, without the desktop's frame, and
// closes from the keyboard; a plain message keeps the desktop's look.
TEST(QtMessageBoxes, NoticesWearTheGamesLookAndCloseByKeys) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
    QtMessageBoxes messages;
    bool frameless = false, seen = false, closedByKey = false;
    QColor corner;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      const auto* label = box->findChild<QLabel*>(QStringLiteral("notice_text"));
      seen = label && label->text() == EnglishNotice({PlayerNotice::Kind::UntypableKeys, {"Y"}}).c_str();
      frameless = box->windowFlags().testFlag(Qt::FramelessWindowHint);
      corner = box->grab().toImage().pixelColor(6, 6);
      // The whole text is shown: wrapped within the board, not cut at its edge.
      if (label) {
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << key;
      }
      QTest::keyClick(box->windowHandle(), key);
      closedByKey = !box->isVisible();
      if (!closedByKey) box->reject();
    });
    messages.ShowNotice({PlayerNotice::Kind::UntypableKeys, {"Y"}});
    EXPECT_TRUE(closedByKey) << key;
    EXPECT_TRUE(seen) << key;
    EXPECT_TRUE(frameless) << key;
    EXPECT_EQ(corner, QColor(0x30, 0x21, 0x15)) << key;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << key;
  }
  QtMessageBoxes messages;
  bool framed = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    framed = !box->windowFlags().testFlag(Qt::FramelessWindowHint);
    box->accept();
  });
  messages.Show("Error");
  EXPECT_TRUE(framed);
}

}  // namespace
