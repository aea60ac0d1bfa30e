// SPDX-License-Identifier: GPL-3.0-or-later
// The messages the game shows, matched against their entries and worded in the screens' language.
#include "platform/qt/qt_message_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

#include "platform/qt/qt_translations.h"

namespace {

// Every message the rules hand over; the test over the sources finds each text they write here.
const std::vector<const char*> kPatterns = {
    // The game's own failures.
    QT_TRANSLATE_NOOP("Messages", "Error"),
    QT_TRANSLATE_NOOP("Messages", "Error in Clock"),
    QT_TRANSLATE_NOOP("Messages", "error"),
    QT_TRANSLATE_NOOP("Messages", "Unable to write to %1"),
    QT_TRANSLATE_NOOP("Messages", "Cannot read %1"),
    QT_TRANSLATE_NOOP("Messages", "Cannot read %1: a newer version of the game made it."),
    QT_TRANSLATE_NOOP("Messages", "Cannot read %1: part of it is missing."),
    // A level that cannot be played, and why.
    QT_TRANSLATE_NOOP("Messages", "Cannot load %1: %2"),
    QT_TRANSLATE_NOOP("Messages", "Map.ini has no [Map] section"),
    QT_TRANSLATE_NOOP("Messages", "Map.ini has no [Objects] section"),
    QT_TRANSLATE_NOOP("Messages", "the difficulty row %1 of Map.ini needs five fields"),
    QT_TRANSLATE_NOOP("Messages", "a wave needs three fields: DumpTime:DumpInterval:target"),
    QT_TRANSLATE_NOOP("Messages", "a wave spawns before any actor is defined"),
    QT_TRANSLATE_NOOP("Messages", "'%1' is not a valid integer value for %2"),
    QT_TRANSLATE_NOOP("Messages", "the miss penalty"),
    QT_TRANSLATE_NOOP("Messages", "the civilian penalty"),
    QT_TRANSLATE_NOOP("Messages", "the wave's target"),
    QT_TRANSLATE_NOOP("Messages", "the wave's duration"),
    QT_TRANSLATE_NOOP("Messages", "no scene to practise in: the levels have no places"),
    // Pictures.
    QT_TRANSLATE_NOOP("Messages", "Cannot open picture %1"),
    QT_TRANSLATE_NOOP("Messages", "Cannot read picture %1"),
    QT_TRANSLATE_NOOP("Messages", "Cannot read picture %1: %2"),
    QT_TRANSLATE_NOOP("Messages", "Picture %1 is not a Windows bitmap"),
    QT_TRANSLATE_NOOP("Messages", "Picture %1 is cut short"),
    QT_TRANSLATE_NOOP("Messages", "Picture %1 has an unknown bitmap header"),
    QT_TRANSLATE_NOOP("Messages", "Picture %1 has an unsupported size"),
    QT_TRANSLATE_NOOP("Messages", "Picture %1 has an unsupported bitmap format"),
    QT_TRANSLATE_NOOP("Messages", "Invalid image size"),
    // Profile names Player.ini cannot hold.
    QT_TRANSLATE_NOOP("Messages", "A profile name cannot be empty."),
    QT_TRANSLATE_NOOP("Messages", "A profile name cannot contain a line break."),
    QT_TRANSLATE_NOOP("Messages", "A profile name cannot contain control characters."),
    QT_TRANSLATE_NOOP("Messages", "A profile name cannot contain \"[\" or \"]\"."),
    QT_TRANSLATE_NOOP("Messages", "A profile name cannot begin or end with a blank."),
    QT_TRANSLATE_NOOP("Messages", "The name curplayer is reserved."),
};

// An entry as a pattern over the whole text: its words as written, each placeholder any text
// (the shortest that lets the rest match, the last one the rest).
struct Entry {
  const char* source;
  QRegularExpression pattern;
  int placeholders = 0;
  qsizetype literalLength = 0;
};

std::vector<Entry> MakeEntries() {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  std::vector<Entry> entries;
  for (const char* source : kPatterns) {
    const QString text = QString::fromUtf8(source);
    Entry entry{source, {}, 0, 0};
    QString regex = QStringLiteral("^");
    qsizetype at = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
      regex += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
      entry.literalLength += m.capturedStart() - at;
      regex += QStringLiteral("(.+?)");
      ++entry.placeholders;
      at = m.capturedEnd();
    }
    regex += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
    entry.literalLength += text.size() - at;
    regex.replace(QStringLiteral("(.+?)$"), QStringLiteral("(.+)$"));
    entry.pattern = QRegularExpression(regex, QRegularExpression::DotMatchesEverythingOption);
    entries.push_back(std::move(entry));
  }
  // The entry with the most words of its own first: "Cannot read picture %1: %2" before
  // "Cannot read picture %1", which would match the same text with the detail in the file name.
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.literalLength > b.literalLength;
  });
  return entries;
}

const std::vector<Entry>& Entries() {
  static const std::vector<Entry> entries = MakeEntries();
  return entries;
}

// A value put into a message: a message or a level of its own is translated, a file name or a
// number stays.
QString TranslatedValue(const QString& value) {
  const QString message = TranslatedMessage(value.toStdString());
  if (message != value) return message;
  return TranslatedLevelText(value.toStdString());
}

}  // namespace

const std::vector<const char*>& MessagePatterns() { return kPatterns; }

QString TranslatedMessage(const std::string& text) {
  const QString english = QString::fromStdString(text);
  for (const Entry& entry : Entries()) {
    const QRegularExpressionMatch match = entry.pattern.match(english);
    if (!match.hasMatch()) continue;
    const QString translated = QCoreApplication::translate("Messages", entry.source);
    switch (entry.placeholders) {
      case 0:
        return translated;
      case 1:
        return translated.arg(TranslatedValue(match.captured(1)));
      default:
        // Both at once: a value that holds "%2" is not taken for the placeholder.
        return translated.arg(TranslatedValue(match.captured(1)),
                              TranslatedValue(match.captured(2)));
    }
  }
  return english;
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
        list = i + 1 == count
                   ? QCoreApplication::translate("Messages", "%1 and %2").arg(list, args[i])
                   : QCoreApplication::translate("Messages", "%1, %2").arg(list, args[i]);
      }
      if (count <= 1)
        return QCoreApplication::translate("Messages",
                                           "On your keyboard layout the key for the letter %1 "
                                           "types nothing, so no figure comes up there.")
            .arg(list);
      return QCoreApplication::translate("Messages",
                                         "On your keyboard layout the keys for the letters %1 type "
                                         "nothing, so no figures come up there.")
          .arg(list);
    }
    case PlayerNotice::Kind::ProgressMovedAside:
      return QCoreApplication::translate(
                 "Messages", "%1 was not a progress database and has been moved aside to %2")
          .arg(args[0], args[1]);
    case PlayerNotice::Kind::ProgressOpenElsewhere:
      return QCoreApplication::translate("Messages",
                                         "Your progress is open in the game on another computer (%1). The runs you "
                                         "play here are kept and added to it later.")
          .arg(args[0]);
    case PlayerNotice::Kind::HandedIn:
      return QCoreApplication::translate("Messages", "Your progress is handed in as %1").arg(args[0]);
    case PlayerNotice::Kind::HandInPrivate:
      return QCoreApplication::translate("Messages",
                                         "Your teacher cannot read what you hand in to %1: the folder does not give "
                                         "its files to the teachers' group. Please tell your teacher.")
          .arg(args[0]);
    case PlayerNotice::Kind::UsKeyNames:
      return QCoreApplication::translate(
          "Messages",
          "Your desktop does not let the game read your keyboard layout, so the tags show the keys of a US "
          "keyboard. Where the desktop runs X11 programs (XWayland), the game reads the layout there and the "
          "tags show your own letters.");
  }
  return QString::fromStdString(EnglishNotice(notice));
}
