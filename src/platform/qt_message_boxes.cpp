// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes over QMessageBox, captioned with the program's title.
#include "platform/qt_message_boxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

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
  }
  return QString::fromStdString(EnglishNotice(notice));
}

void QtMessageBoxes::Show(const std::string& text) { ShowText(TranslatedMessage(text)); }

void QtMessageBoxes::ShowNotice(const PlayerNotice& notice) { ShowText(NoticeText(notice)); }

void QtMessageBoxes::ShowText(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Messages", "OK"));
  box.exec();
}
