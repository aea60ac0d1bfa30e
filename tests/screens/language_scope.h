// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' language switched for one test, and every language the game speaks.
#pragma once
#include <QString>
#include <string>
#include <vector>

#include "platform/qt/qt_translations.h"

// English and every language built into the program.
inline std::vector<std::string> AllLanguages() {
  std::vector<std::string> languages{"en"};
  for (const QString& language : AvailableUiLanguages())
    languages.push_back(language.toStdString());
  return languages;
}

// Switches the screens' language for one test and back to English after it.
struct LanguageScope {
  explicit LanguageScope(const std::string& language) {
    ok = InstallUiLanguage(QString::fromStdString(language));
  }
  ~LanguageScope() { InstallUiLanguage(QStringLiteral("en")); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;
  bool ok = false;
};
