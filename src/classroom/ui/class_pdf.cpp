// SPDX-License-Identifier: GPL-3.0-or-later
// The class as a PDF file: the table, then a page per pupil.
#include "classroom/ui/class_pdf.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "classroom/hand_in_format.h"
#include "classroom/ui/class_table_model.h"

namespace {
QString Tr(const char* text) { return QCoreApplication::translate("TfmClass", text); }

// Text from a hand-in or the user database, as markup that shows it as typed.
QString Plain(const QString& text) { return text.toHtmlEscaped(); }
QString Plain(const std::string& text) { return Plain(QString::fromStdString(text)); }

// A name of any length is printed in full up to a point, then cut.
QString Name(const std::string& text) {
  QString shown = QString::fromStdString(text);
  if (shown.size() > 200) shown = shown.left(199) + QChar(0x2026);
  return Plain(shown);
}

QString Cell(const QString& markup, bool number = false) {
  return (number ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + markup +
         QStringLiteral("</td>");
}

QString Header(const QStringList& titles) {
  QString row = QStringLiteral("<tr>");
  for (const QString& title : titles)
    row += QStringLiteral("<th align=\"left\">") + Plain(title) + QStringLiteral("</th>");
  return row + QStringLiteral("</tr>");
}

constexpr const char* kTable =
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">";

QString ClassTable(const std::vector<ClassRow>& rows) {
  QStringList titles;
  for (int c = 0; c < kClassColumns; ++c)
    titles << ClassTableModel::Title(static_cast<ClassColumn>(c));
  QString html = QString::fromLatin1(kTable) + Header(titles);
  for (const ClassRow& row : rows) {
    html += QStringLiteral("<tr>");
    for (int c = 0; c < kClassColumns; ++c) {
      const auto column = static_cast<ClassColumn>(c);
      QString text = ClassTableModel::CellText(row, column);
      if (column == ClassColumn::kPupil) text = QString::fromStdString(row.pupil);
      if (column == ClassColumn::kProfile && row.Readable())
        text = QString::fromStdString(row.profile);
      if (column == ClassColumn::kLastHandIn && row.Readable())
        text = ClassTableModel::WrittenText(row.lastHandIn, false);
      const bool number = column == ClassColumn::kLevels || column == ClassColumn::kAccuracy ||
                          column == ClassColumn::kKeysMastered || column == ClassColumn::kThisWeek;
      html += Cell(column == ClassColumn::kPupil || column == ClassColumn::kProfile
                       ? Name(text.toStdString())
                       : Plain(text),
                   number);
    }
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString PupilPage(const ClassRoster& roster, const ClassRow& row) {
  HandInReader reader(roster.folder + "/" + row.fileName);
  const HandIn handIn = reader.Whole();
  QString html = QStringLiteral("<h2 style=\"page-break-before: always\">") + Name(row.pupil) +
                 QStringLiteral(" &#8212; ") + Name(row.profile) + QStringLiteral("</h2>");
  if (reader.Problem() != HandInProblem::kNone) {
    return html + QStringLiteral("<p>") +
           Plain(Tr(QT_TRANSLATE_NOOP("TfmClass", "This hand-in cannot be read any more."))) +
           QStringLiteral("</p>");
  }
  QStringList levels;
  for (const HandInLevel& level : handIn.levels) levels << QString::number(level.level);
  const struct {
    const char* label;
    QString value;
  } figures[] = {
      {QT_TRANSLATE_NOOP("TfmClass", "Login"), Plain(row.login)},
      {QT_TRANSLATE_NOOP("TfmClass", "Last hand-in"),
       Plain(ClassTableModel::WrittenText(row.lastHandIn, true))},
      {QT_TRANSLATE_NOOP("TfmClass", "Time played"),
       Plain(ClassTableModel::PlayedText(handIn.playedMs))},
      {QT_TRANSLATE_NOOP("TfmClass", "This week"),
       Plain(ClassTableModel::PlayedText(row.playedThisWeekMs))},
      {QT_TRANSLATE_NOOP("TfmClass", "Runs"), QString::number(handIn.runCount)},
      {QT_TRANSLATE_NOOP("TfmClass", "Levels passed"),
       levels.isEmpty() ? QStringLiteral("0")
                        : QString::number(levels.size()) + QStringLiteral(" (") +
                              levels.join(QStringLiteral(", ")) + QStringLiteral(")")},
      {QT_TRANSLATE_NOOP("TfmClass", "Accuracy"),
       Plain(ClassTableModel::CellText(row, ClassColumn::kAccuracy))},
      {QT_TRANSLATE_NOOP("TfmClass", "Words per minute"),
       Plain(ClassTableModel::CellText(row, ClassColumn::kWordsPerMinute))},
      {QT_TRANSLATE_NOOP("TfmClass", "Keys mastered"), QString::number(handIn.keysMastered)},
      {QT_TRANSLATE_NOOP("TfmClass", "Reviews due"), QString::number(handIn.reviewsDue)},
      {QT_TRANSLATE_NOOP("TfmClass", "Weakest keys"), Plain(WeakestKeysText(row))},
      {QT_TRANSLATE_NOOP("TfmClass", "Note"), Plain(ClassTableModel::Note(row))},
  };
  html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
  for (const auto& figure : figures) {
    html += QStringLiteral("<tr><td><b>") + Plain(Tr(figure.label)) +
            QStringLiteral("</b>&nbsp;&nbsp;</td><td>") + figure.value +
            QStringLiteral("</td></tr>");
  }
  html += QStringLiteral("</table><h3>") + Plain(Tr(QT_TRANSLATE_NOOP("TfmClass", "Keys"))) +
          QStringLiteral("</h3>");
  html += QString::fromLatin1(kTable) +
          Header({Tr(QT_TRANSLATE_NOOP("TfmClass", "Key")),
                  Tr(QT_TRANSLATE_NOOP("TfmClass", "Accuracy")),
                  Tr(QT_TRANSLATE_NOOP("TfmClass", "Tries")),
                  Tr(QT_TRANSLATE_NOOP("TfmClass", "Median reaction (ms)")),
                  Tr(QT_TRANSLATE_NOOP("TfmClass", "Mastery")),
                  Tr(QT_TRANSLATE_NOOP("TfmClass", "Mastered"))});
  int shown = 0;
  for (const HandInKey& key : handIn.keys) {
    if (key.chances == 0 && !key.mastered) continue;
    // A page per pupil: the keys of a keyboard fit on it, a file with endless keys is cut.
    if (++shown > 60) break;
    html +=
        QStringLiteral("<tr>") + Cell(Name(key.typed)) +
        Cell(QStringLiteral("%1%").arg(key.AccuracyPercent()), true) +
        Cell(QString::number(key.chances), true) +
        Cell(key.reactionMedianMs ? QString::number(*key.reactionMedianMs) : QStringLiteral("-"),
             true) +
        Cell(key.mastery ? QLocale().toString(*key.mastery * 100, 'f', 0) + QStringLiteral("%")
                         : QStringLiteral("-"),
             true) +
        Cell(key.mastered ? Plain(Tr(QT_TRANSLATE_NOOP("TfmClass", "yes"))) : QString()) +
        QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}
}  // namespace

QString ClassPdfMarkup(const ClassRoster& roster, const std::vector<ClassRow>& rows,
                       const QString& title) {
  QString html = QStringLiteral("<html><body><h1>") + Plain(title) + QStringLiteral("</h1><p>") +
                 Plain(QString::fromStdString(roster.folder)) + QStringLiteral("<br>") +
                 Plain(QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat)) +
                 QStringLiteral("</p>");
  html += ClassTable(rows);
  for (const ClassRow& row : rows) {
    if (row.Readable()) html += PupilPage(roster, row);
  }
  return html + QStringLiteral("</body></html>");
}

bool WriteClassPdf(const QString& path, const ClassRoster& roster,
                   const std::vector<ClassRow>& rows, const QString& title) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  {
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Keyslinger"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    // Across: the class table's ten columns read without breaking their words.
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(8);
    document.setDefaultFont(font);
    document.setHtml(ClassPdfMarkup(roster, rows, title));
    document.print(&writer);
  }
  file.close();
  return file.error() == QFileDevice::NoError;
}
