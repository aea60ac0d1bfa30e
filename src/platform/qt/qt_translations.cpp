// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' language: loads the game's translation for the desktop's locale and tells the
// screens which language they speak (for pictures with words and the manual).
#include "platform/qt/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

#include "platform/ui_language.h"

namespace {
QString& CurrentLanguage() {
  static QString language = QStringLiteral("en");
  return language;
}

std::unique_ptr<QTranslator>& CurrentTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}
}  // namespace

bool InstallUiLanguage(const QString& language) {
  if (CurrentTranslator()) {
    QCoreApplication::removeTranslator(CurrentTranslator().get());
    CurrentTranslator().reset();
  }
  CurrentLanguage() = QStringLiteral("en");
  if (language == QStringLiteral("en")) return true;
  auto translator = std::make_unique<QTranslator>();
  // The translations are built into the program.
  if (!translator->load(QStringLiteral(":/i18n/keyslinger_") + language + QStringLiteral(".qm"))) return false;
  QCoreApplication::installTranslator(translator.get());
  CurrentTranslator() = std::move(translator);
  CurrentLanguage() = language;
  return true;
}

QStringList AvailableUiLanguages() {
  QStringList languages;
  for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("keyslinger_*.qm")}))
    languages << file.mid(11, file.size() - 11 - 3);
  return languages;
}

void InstallUiLanguageFromEnvironment() {
  std::vector<std::string> available;
  for (const QString& language : AvailableUiLanguages()) available.push_back(language.toStdString());
  const std::string language = UiLanguage([](const char* name) { return std::getenv(name); }, available);
  InstallUiLanguage(QString::fromStdString(language));
}

QString UiLanguageCode() { return CurrentLanguage(); }

QString TranslatedText(const char* context, const std::string& english) {
  return QCoreApplication::translate(context, english.c_str());
}

QString TranslatedLevelText(const std::string& english) {
  // The three ways the rules write a level: the menus' "level3", the profile dialog's "level 3"
  // and the level's own name "Level3".
  static const QRegularExpression pattern(QStringLiteral("^(level|Level)( ?)(-?\\d*)$"));
  const QRegularExpressionMatch match = pattern.match(QString::fromStdString(english));
  if (!match.hasMatch()) return QString::fromStdString(english);
  const QString number = match.captured(3);
  if (match.captured(1) == QStringLiteral("Level"))
    return QCoreApplication::translate("Level", "Level%1").arg(number);
  if (match.captured(2).isEmpty()) return QCoreApplication::translate("Level", "level%1").arg(number);
  return QCoreApplication::translate("Level", "level %1").arg(number);
}
