// SPDX-License-Identifier: GPL-3.0-or-later
// Every message the game can show has an entry, translated in every language: the texts the
// sources hand to a message box are each found among the entries, each entry is translated in
// every .ts file, and messages made from values read in the player's language.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "language_scope.h"
#include "platform/qt/qt_message_texts.h"
#include "profiles/profile_names.h"
#include "progress/progress_database.h"
#include "progress/progress_problem.h"

namespace {

QString FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The string literals of a piece of C++ (escapes undone for quotes and backslashes).
QStringList Literals(const QString& code) {
  static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
  QStringList found;
  for (const QRegularExpressionMatch& m : literal.globalMatch(code)) {
    QString text = m.captured(1);
    text.replace(QStringLiteral("\\\""), QStringLiteral("\""))
        .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    found << text;
  }
  return found;
}

// Where the sources hand a text to the player: a GameError (its text is the message), a message
// box, the name of a value a level's number is read for, the failure of a picture, and the
// functions that word a message. A ProgressError's text is never shown: the screens name the
// file instead (ProgressProblemMessage).
struct MessageSite {
  QString call;  // the call that takes the text, up to the end of its statement
  QString path;  // the folder or file under src/ it is looked for in; empty for all
};
const MessageSite kSites[] = {
    {QStringLiteral("GameError("), {}},
    {QStringLiteral("WriteRefused("), {}},
    {QStringLiteral(".Show("), {}},
    {QStringLiteral("IntegerOrThrow("), {}},
    {QStringLiteral("Fail(\""), QStringLiteral("platform/")},
    {QStringLiteral("return "), QStringLiteral("profiles/profile_names.cpp")},
    {QStringLiteral("return "), QStringLiteral("progress/progress_problem.cpp")}};
// The names of a level's values as its files and the level designers' manual write them: shown
// as they are in every language.
const QStringList kValueNames = {QStringLiteral("ExtraActors"), QStringLiteral("ExtraDumpTime"),
                                 QStringLiteral("ExtraMaxLife"), QStringLiteral("MaxLife")};

// Every text the sources write into a message: the literals from each site to the end of its
// statement. Words only: ": " and the like are left out.
std::map<QString, QString> MessageTextsOfTheSources() {
  const QString src = QStringLiteral(SOURCE_DIR "/src/");
  std::map<QString, QString> texts;  // text -> where
  QDirIterator files(src, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString path = files.next();
    const QString relative = path.mid(src.size());
    // The designer tools print their own English; the translations' table is the entries.
    if (relative.startsWith(QStringLiteral("design/")) ||
        relative.contains(QStringLiteral("qt_message_texts")))
      continue;
    // Comments name messages without making them.
    QString code;
    for (const QString& line : FileText(path).split(QLatin1Char('\n')))
      if (!line.trimmed().startsWith(QStringLiteral("//"))) code += line + QLatin1Char('\n');
    for (const MessageSite& site : kSites) {
      if (!site.path.isEmpty() && !relative.startsWith(site.path)) continue;
      for (qsizetype at = code.indexOf(site.call); at >= 0; at = code.indexOf(site.call, at + 1)) {
        // Declarations and catch clauses name the type, not a message.
        const QString before =
            code.mid(std::max<qsizetype>(0, at - 20), std::min<qsizetype>(at, 20));
        if (before.contains(QStringLiteral("class ")) || before.contains(QStringLiteral("catch")))
          continue;
        const qsizetype end = code.indexOf(';', at);
        for (const QString& text : Literals(code.mid(at, end - at))) {
          if (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))) &&
              !kValueNames.contains(text))
            texts.emplace(text, relative);
        }
      }
    }
  }
  return texts;
}

// The translation of each message entry in a .ts file; unfinished ones count as missing.
std::map<QString, QString> MessageTranslations(const QString& language) {
  QFile file(QStringLiteral(SOURCE_DIR "/translations/keyslinger_") + language +
             QStringLiteral(".ts"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::map<QString, QString> found;
  QString context, source;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QStringLiteral("name")) context = xml.readElementText();
    if (xml.name() == QStringLiteral("source")) source = xml.readElementText();
    if (xml.name() == QStringLiteral("translation") && context == QStringLiteral("Messages")) {
      const bool unfinished = !xml.attributes().value(QStringLiteral("type")).isEmpty();
      const QString text = xml.readElementText();
      if (!unfinished && !text.trimmed().isEmpty()) found[source] = text;
    }
  }
  return found;
}

TEST(MessageTexts, EveryMessageOfTheSourcesHasAnEntryTranslatedInEveryLanguage) {
  QStringList entries;
  for (const char* pattern : MessagePatterns()) entries << QString::fromUtf8(pattern);
  const std::map<QString, QString> texts = MessageTextsOfTheSources();
  // The sites were found: the level's, the profile names', the pictures'.
  EXPECT_GT(texts.size(), 25u);
  for (const auto& [text, where] : texts) {
    const bool entered = std::any_of(entries.begin(), entries.end(),
                                     [&](const QString& e) { return e.contains(text); });
    EXPECT_TRUE(entered) << where.toStdString() << ": \"" << text.toStdString()
                         << "\" is in no message entry";
  }
  for (const QString& language : AvailableUiLanguages()) {
    const std::map<QString, QString> translated = MessageTranslations(language);
    for (const QString& entry : entries)
      EXPECT_TRUE(translated.count(entry))
          << language.toStdString() << ": no translation of \"" << entry.toStdString() << "\"";
  }
}

TEST(MessageTexts, MessagesMadeFromValuesReadInTheLanguageAndInEnglishAsWritten) {
  const ProgressError readOnly("attempt to write a readonly database");
  const std::string database = "/nowhere/Progress.db";
  const struct {
    std::string english;
    const char* de;
    const char* fr;
    const char* es;
  } cases[] = {
      {ProfileNameProblem(" Bob"),
       "Ein Profilname darf nicht mit einem Leerzeichen beginnen oder enden.",
       "Un nom de profil ne peut ni commencer ni finir par une espace.",
       "El nombre de un perfil no puede empezar ni terminar con un espacio."},
      {ProfileNameProblem("[Bob]"), "Ein Profilname darf weder „[“ noch „]“ enthalten.",
       "Un nom de profil ne peut contenir ni «\u00a0[\u00a0» ni «\u00a0]\u00a0».",
       "El nombre de un perfil no puede contener «[» ni «]»."},
      {"Cannot load Level3: Map.ini has no [Map] section",
       "Level 3 lässt sich nicht laden: Map.ini hat keinen Abschnitt [Map]",
       "Impossible de charger Niveau 3\u00a0: Map.ini n’a pas de section [Map]",
       "No se puede cargar Nivel 3: Map.ini no tiene sección [Map]"},
      {"Cannot load Practice: 'x' is not a valid integer value for the miss penalty",
       "Die Übung lässt sich nicht laden: „x“ ist keine gültige ganze Zahl für die Strafzeit für "
       "Fehlschüsse",
       "Impossible de charger l’entraînement\u00a0: «\u00a0x\u00a0» n’est pas un nombre entier "
       "valable pour la pénalité "
       "d’un tir raté",
       "No se puede cargar la práctica: «x» no es un número entero válido para la penalización por "
       "fallo"},
      {"Cannot read picture /g/Maps/Level1/Map.jpg: Not a JPEG file",
       "Das Bild /g/Maps/Level1/Map.jpg lässt sich nicht lesen: Not a JPEG file",
       "Impossible de lire l’image /g/Maps/Level1/Map.jpg\u00a0: Not a JPEG file",
       "No se puede leer la imagen /g/Maps/Level1/Map.jpg: Not a JPEG file"},
      // SQLite's own words never reach the player: the file and what could not be done with it.
      {ProgressProblemMessage(readOnly, database),
       "Speichern in /nowhere/Progress.db nicht möglich",
       "Impossible d’écrire dans /nowhere/Progress.db",
       "No se puede escribir en /nowhere/Progress.db"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.english);
    EXPECT_EQ(TranslatedMessage(c.english).toStdString(), c.english);
    for (const auto& [language, expected] : {std::pair{"de", c.de}, {"fr", c.fr}, {"es", c.es}}) {
      LanguageScope scope(language);
      EXPECT_EQ(TranslatedMessage(c.english), QString::fromUtf8(expected)) << language;
    }
  }
  EXPECT_EQ(ProgressProblemMessage(readOnly, database), "Unable to write to /nowhere/Progress.db");
  EXPECT_EQ(ProgressProblemMessage(ProgressError("database disk image is malformed"),
                                   SOURCE_DIR "/README.md"),
            "Cannot read " SOURCE_DIR "/README.md");
  EXPECT_EQ(ProgressProblemMessage(ProgressError("newer", ProgressFault::kNewerSchema), database),
            "Cannot read /nowhere/Progress.db: a newer version of the game made it.");
}

}  // namespace
