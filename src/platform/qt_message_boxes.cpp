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

void QtMessageBoxes::Show(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle),
                  TranslatedMessage(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Messages", "OK"));
  box.exec();
}
