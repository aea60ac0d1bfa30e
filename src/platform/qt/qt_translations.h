// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' language: loads the game's translation for the desktop's locale and tells the
// screens which language they speak (for pictures with words and the manual).
#pragma once
#include <QString>

#include <string>

// Chooses the language from the locale variables and installs its translation.
void InstallUiLanguageFromEnvironment();
// Installs the translation of language ("en" removes any); tests switch languages with it.
// Returns false when the language has no translation (English is then used).
bool InstallUiLanguage(const QString& language);
// The languages with a translation built into the program, besides English.
QStringList AvailableUiLanguages();
// The language the screens speak now: "en", "de", "fr" or "es".
QString UiLanguageCode();

// A text the rules library hands over in English, in the screens' language. context is the
// context the text was marked with (QT_TRANSLATE_NOOP).
QString TranslatedText(const char* context, const std::string& english);
// A level as the rules write it, "level3", "level 3" or "Level3", in the screens' language.
QString TranslatedLevelText(const std::string& english);
