// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes over QMessageBox, captioned with the program's title.
#include "platform/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Wide enough for the longest notice in three lines, narrower than the game's 640.
constexpr int kNoticeTextWidth = 380;

// The board takes the keys itself, as the game's screens do: Enter, Escape and Space close it.
class NoticeBoard : public QDialog {
 public:
  NoticeBoard() : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Escape:
      case Qt::Key_Space:
        if (!event->isAutoRepeat()) accept();
        return;
      default:
        QDialog::keyPressEvent(event);
    }
  }
};
}  // namespace

void QtMessageBoxes::Show(const std::string& text) { ShowText(TranslatedMessage(text), false); }

void QtMessageBoxes::ShowNotice(const PlayerNotice& notice) { ShowText(NoticeText(notice), true); }

void QtMessageBoxes::ShowText(const QString& text, bool gameLook) {
  if (gameLook) {
    ShowNoticeBoard(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Messages", "OK"));
  box.exec();
}

void QtMessageBoxes::ShowNoticeBoard(const QString& text) {
  // A notice about the game itself is a board of the game: the help page's dark wood and
  // parchment, and a flat white OK that greys under the pointer like the game's buttons.
  NoticeBoard board;
  board.setWindowTitle(QString::fromUtf8(kApplicationTitle));
  board.setObjectName(QStringLiteral("notice_board"));
  board.setStyleSheet(QStringLiteral(
      "QDialog#notice_board { background-color: #302115; border: 2px solid #B08A4A; }"
      "QLabel { color: #EFDFB7; font-family: Arial; font-size: 13px; font-weight: bold; }"
      "QPushButton { color: white; background: transparent; border: none;"
      " font-family: Arial; font-size: 11px; font-weight: bold; padding: 4px 16px; }"
      "QPushButton:hover { color: #808080; }"));
  auto* layout = new QVBoxLayout(&board);
  layout->setContentsMargins(18, 16, 18, 10);
  auto* label = new QLabel(text, &board);
  label->setObjectName(QStringLiteral("notice_text"));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setFixedWidth(kNoticeTextWidth);
  layout->addWidget(label);
  auto* ok = new QPushButton(QCoreApplication::translate("Messages", "OK"), &board);
  ok->setFlat(true);
  ok->setFocusPolicy(Qt::NoFocus);
  ok->setAutoDefault(false);
  QObject::connect(ok, &QPushButton::clicked, &board, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
  board.adjustSize();
  board.exec();
}
