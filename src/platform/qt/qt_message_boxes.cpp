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

#include <string_view>

namespace {
// The messages the player may see, as the rules write them in English.
[[maybe_unused]] constexpr const char* kWholeMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "Error"), QT_TRANSLATE_NOOP("Messages", "Error in Clock"),
    QT_TRANSLATE_NOOP("Messages", "error")};
// Messages that end in a file name: the English beginning, and the translatable text with %1.
struct NamedMessage {
  std::string_view english;
  const char* source;
};
constexpr NamedMessage kNamedMessages[] = {
    {"Unable to write to ", QT_TRANSLATE_NOOP("Messages", "Unable to write to %1")},
    {"Cannot open picture ", QT_TRANSLATE_NOOP("Messages", "Cannot open picture %1")}};
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

QString TranslatedMessage(const std::string& text) {
  for (const NamedMessage& named : kNamedMessages) {
    if (text.rfind(named.english, 0) == 0)
      return QCoreApplication::translate("Messages", named.source)
          .arg(QString::fromStdString(text.substr(named.english.size())));
  }
  return QCoreApplication::translate("Messages", text.c_str());
}

QString NoticeText(const PlayerNotice& notice) {
  QStringList args;
  for (const std::string& arg : notice.args) args << QString::fromStdString(arg);
  while (args.size() < 2) args << QString();
  switch (notice.kind) {
    case PlayerNotice::Kind::UntypableKeys: {
      // The letters joined as "A", "A and B", "A, B and C", each join worded in the language.
      QString list = args.front();
      const qsizetype count = notice.args.size();
      for (qsizetype i = 1; i < count; ++i) {
        list = i + 1 == count ? QCoreApplication::translate("Messages", "%1 and %2").arg(list, args[i])
                              : QCoreApplication::translate("Messages", "%1, %2").arg(list, args[i]);
      }
      if (count <= 1)
        return QCoreApplication::translate(
                   "Messages", "On your keyboard layout the key for the letter %1 types nothing, so no figure comes up there.")
            .arg(list);
      return QCoreApplication::translate(
                 "Messages", "On your keyboard layout the keys for the letters %1 type nothing, so no figures come up there.")
          .arg(list);
    }
    case PlayerNotice::Kind::ProgressMovedAside:
      return QCoreApplication::translate("Messages", "%1 was not a progress database and has been moved aside to %2")
          .arg(args[0], args[1]);
    case PlayerNotice::Kind::HandedIn:
      return QCoreApplication::translate("Messages", "Your progress is handed in as %1").arg(args[0]);
    case PlayerNotice::Kind::HandInPrivate:
      return QCoreApplication::translate("Messages",
                                         "Your teacher cannot read what you hand in to %1: the folder does not give "
                                         "its files to the teachers' group. Please tell your teacher.")
          .arg(args[0]);
  }
  return QString::fromStdString(EnglishNotice(notice));
}

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
