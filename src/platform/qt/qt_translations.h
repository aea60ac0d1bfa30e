// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' language: loads the game's translation for the desktop's locale and tells the
// screens which language they speak (for pictures with words and the manual).
#pragma once
#include <QDate>
#include <QString>

#include <cstdint>
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
// A level as the rules write it, "level3", "level 3" or "Level3", or a drill's run "Practice", in
// the screens' language.
QString TranslatedLevelText(const std::string& english);

// A percentage as the screens' language writes it: "62%" in English, with a no-break space
// before the sign in German, French and Spanish ("62 %").
QString PercentText(qint64 percent);
// A date as the player's locale writes it (its short form with the whole year: 09.12.2026 in
// German, 09/12/2026 in French); under the C locale with English screens, 2026-12-09. The
// locale's own form when it speaks the screens' language, else that language's usual form.
QString DateText(const QDate& date);
// The date of a day number (days since 1970-01-01).
QString DayNumberText(int64_t day);
// The local date of a UTC time stamp "2026-12-09T10:00:00Z"; the stamp's first ten characters
// when it cannot be read.
QString StampDateText(const std::string& isoUtc);
