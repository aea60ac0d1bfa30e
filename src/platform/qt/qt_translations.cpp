// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' language: loads the game's translation for the desktop's locale and tells the
// screens which language they speak (for pictures with words and the manual).
#include "platform/qt/qt_translations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
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
  // A drill's run is named so where a level's name would stand.
  if (english == "Practice") return QCoreApplication::translate("Level", "Practice", "a drill, where a level's name stands");
  const QRegularExpressionMatch match = pattern.match(QString::fromStdString(english));
  if (!match.hasMatch()) return QString::fromStdString(english);
  const QString number = match.captured(3);
  if (match.captured(1) == QStringLiteral("Level"))
    return QCoreApplication::translate("Level", "Level%1").arg(number);
  if (match.captured(2).isEmpty()) return QCoreApplication::translate("Level", "level%1").arg(number);
  return QCoreApplication::translate("Level", "level %1").arg(number);
}

QString PercentText(qint64 percent) { return QCoreApplication::translate("Numbers", "%1%").arg(percent); }

QString DateText(const QDate& date) {
  const QString language = UiLanguageCode();
  const QLocale system;  // the player's locale (the system's unless a test sets another)
  if (system.language() == QLocale::C && language == QStringLiteral("en")) return date.toString(Qt::ISODate);
  const QLocale locale = QLocale::languageToCode(system.language()) == language ? system : QLocale(language);
  // The short form, but with the whole year: a review date a year ahead reads at once.
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  return locale.toString(date, format);
}

QString DayNumberText(int64_t day) { return DateText(QDate(1970, 1, 1).addDays(day)); }

QString StampDateText(const std::string& isoUtc) {
  const QDateTime stamp = QDateTime::fromString(QString::fromStdString(isoUtc), Qt::ISODate);
  if (!stamp.isValid()) return QString::fromStdString(isoUtc.substr(0, 10));
  return DateText(stamp.toLocalTime().date());
}
