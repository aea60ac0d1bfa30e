// SPDX-License-Identifier: GPL-3.0-or-later
// The CLASS screen's table, in the teacher's language.
#include "classroom/ui/class_table_model.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

namespace {
QString Tr(const char* text) { return QCoreApplication::translate("TfmClass", text); }

constexpr const char* kTitles[] = {
    QT_TRANSLATE_NOOP("TfmClass", "Pupil"),        QT_TRANSLATE_NOOP("TfmClass", "Profile"),
    QT_TRANSLATE_NOOP("TfmClass", "Last hand-in"), QT_TRANSLATE_NOOP("TfmClass", "This week"),
    QT_TRANSLATE_NOOP("TfmClass", "Levels"),       QT_TRANSLATE_NOOP("TfmClass", "Accuracy"),
    QT_TRANSLATE_NOOP("TfmClass", "WPM"),          QT_TRANSLATE_NOOP("TfmClass", "Mastered"),
    QT_TRANSLATE_NOOP("TfmClass", "Weakest keys"), QT_TRANSLATE_NOOP("TfmClass", "Note")};

// The stored totals a hand-in may disagree on, as the reader names them.
[[maybe_unused]] constexpr const char* kTotals[] = {
    QT_TRANSLATE_NOOP("TfmClass", "runs"), QT_TRANSLATE_NOOP("TfmClass", "time played"),
    QT_TRANSLATE_NOOP("TfmClass", "levels passed"), QT_TRANSLATE_NOOP("TfmClass", "keys mastered"),
    QT_TRANSLATE_NOOP("TfmClass", "key accuracy")};

QString ProblemText(HandInProblem problem) {
  switch (problem) {
    case HandInProblem::kNone:
      return {};
    case HandInProblem::kCannotOpen:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "cannot be opened"));
    case HandInProblem::kNotAFile:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "not a file"));
    case HandInProblem::kTooLarge:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "far too large for a hand-in"));
    case HandInProblem::kNotAHandIn:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "not a hand-in"));
    case HandInProblem::kNewerVersion:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "made by a newer version of the game"));
    case HandInProblem::kDamaged:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "damaged or cut short"));
    case HandInProblem::kForeignTables:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "holds tables a hand-in does not have"));
    case HandInProblem::kBadValues:
      return Tr(QT_TRANSLATE_NOOP("TfmClass", "holds figures no game writes"));
  }
  return {};
}

QString Decimal(double value) { return QLocale().toString(value, 'f', 1); }

// A name of any length shows whole in the file, and cut in a cell of the screen.
QString Cut(const std::string& text) {
  QString shown = QString::fromStdString(text);
  if (shown.size() > 120) shown = shown.left(119) + QChar(0x2026);
  return shown;
}

ClassColumn ColumnOf(int section) { return static_cast<ClassColumn>(section); }
}  // namespace

void ClassTableModel::SetRows(std::vector<ClassRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void ClassTableModel::SetMarks(ClassColumn sorted, bool descending, int chosen) {
  sorted_ = sorted;
  descending_ = descending;
  chosen_ = chosen;
  emit headerDataChanged(Qt::Horizontal, 0, kClassColumns - 1);
}

int ClassTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kClassColumns;
}

QString ClassTableModel::Title(ClassColumn column) { return Tr(kTitles[static_cast<int>(column)]); }

QString ClassTableModel::PlayedText(int64_t ms) {
  const int64_t minutes = ms > 0 ? ms / 60000 : 0;
  if (minutes < 60) return Tr(QT_TRANSLATE_NOOP("TfmClass", "%1 min")).arg(minutes);
  return Tr(QT_TRANSLATE_NOOP("TfmClass", "%1 h %2 min"))
      .arg(minutes / 60)
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString ClassTableModel::WrittenText(const std::string& writtenAt, bool localeFormat) {
  QDateTime at = QDateTime::fromString(QString::fromStdString(writtenAt), Qt::ISODate);
  if (!at.isValid()) return Cut(writtenAt);
  at = at.toLocalTime();
  return localeFormat ? QLocale().toString(at, QLocale::ShortFormat)
                      : at.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString ClassTableModel::Note(const ClassRow& row) {
  if (!row.Readable()) {
    QString reason = ProblemText(row.problem);
    if (row.problem == HandInProblem::kNewerVersion && !row.problemDetail.empty())
      reason += QStringLiteral(" (%1)").arg(Cut(row.problemDetail));
    return Tr(QT_TRANSLATE_NOOP("TfmClass", "Unreadable: %1")).arg(reason);
  }
  if (row.disagreements.empty()) return {};
  QStringList totals;
  for (const std::string& total : row.disagreements) totals << Tr(total.c_str());
  return Tr(QT_TRANSLATE_NOOP("TfmClass", "Totals disagree: %1"))
      .arg(totals.join(QStringLiteral(", ")));
}

QString ClassTableModel::CellText(const ClassRow& row, ClassColumn column) {
  const bool readable = row.Readable();
  switch (column) {
    case ClassColumn::kPupil:
      return Cut(row.pupil);
    case ClassColumn::kProfile:
      return readable ? Cut(row.profile) : QString::fromStdString(row.fileName).left(60);
    case ClassColumn::kLastHandIn:
      return readable ? WrittenText(row.lastHandIn, true) : QString();
    case ClassColumn::kThisWeek:
      return readable ? PlayedText(row.playedThisWeekMs) : QString();
    case ClassColumn::kLevels:
      return readable ? QString::number(row.levelsPassed) : QString();
    case ClassColumn::kAccuracy:
      return row.accuracyPercent ? QStringLiteral("%1%").arg(*row.accuracyPercent) : QString();
    case ClassColumn::kWordsPerMinute: {
      if (!row.wordsPerMinute) return {};
      QString text = Decimal(*row.wordsPerMinute);
      // The trend shows as an arrow and the change, so it reads without colour.
      if (row.trend) {
        const double trend = *row.trend;
        const QChar arrow = trend > 0.05    ? QChar(0x25B2)
                            : trend < -0.05 ? QChar(0x25BC)
                                            : QChar(0x25B6);
        text += QStringLiteral(" %1 %2%3")
                    .arg(arrow)
                    .arg(trend >= 0 ? QStringLiteral("+") : QString())
                    .arg(Decimal(trend));
      }
      return text;
    }
    case ClassColumn::kKeysMastered:
      return readable ? QString::number(row.keysMastered) : QString();
    case ClassColumn::kWeakestKeys:
      return Cut(WeakestKeysText(row));
    case ClassColumn::kNote:
      return Note(row);
  }
  return {};
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const ClassRow& row = rows_[static_cast<size_t>(index.row())];
  const ClassColumn column = ColumnOf(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return CellText(row, column);
    case Qt::ToolTipRole:
      // The whole name, and what SQLite or the system said of a file that cannot be read.
      if (column == ClassColumn::kNote && !row.Readable())
        return QString::fromStdString(row.problemDetail).left(300);
      if (column == ClassColumn::kProfile) return QString::fromStdString(row.profile).left(1000);
      return {};
    case Qt::TextAlignmentRole:
      switch (column) {
        case ClassColumn::kThisWeek:
        case ClassColumn::kLevels:
        case ClassColumn::kAccuracy:
        case ClassColumn::kWordsPerMinute:
        case ClassColumn::kKeysMastered:
          return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
          return int(Qt::AlignLeft | Qt::AlignVCenter);
      }
    case Qt::ForegroundRole:
      if (!row.Readable()) return QColor(0x9A, 0x8A, 0x70);
      if (column == ClassColumn::kNote) return QColor(0xFF, 0xD8, 0x40);
      return {};
    default:
      return {};
  }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kClassColumns) return {};
  if (role != Qt::DisplayRole) return {};
  QString title = Title(ColumnOf(section));
  if (ColumnOf(section) == sorted_)
    title += descending_ ? QStringLiteral(" \u25BC") : QStringLiteral(" \u25B2");
  if (section == chosen_) title = QStringLiteral("\u25B8 ") + title;
  return title;
}

std::vector<std::string> ClassTableModel::CsvHeader() {
  std::vector<std::string> header;
  for (const char* title :
       {QT_TRANSLATE_NOOP("TfmClass", "Pupil"), QT_TRANSLATE_NOOP("TfmClass", "Login"),
        QT_TRANSLATE_NOOP("TfmClass", "Profile"), QT_TRANSLATE_NOOP("TfmClass", "Last hand-in"),
        QT_TRANSLATE_NOOP("TfmClass", "Minutes this week"),
        QT_TRANSLATE_NOOP("TfmClass", "Levels passed"),
        QT_TRANSLATE_NOOP("TfmClass", "Accuracy (%)"),
        QT_TRANSLATE_NOOP("TfmClass", "Words per minute"), QT_TRANSLATE_NOOP("TfmClass", "Trend"),
        QT_TRANSLATE_NOOP("TfmClass", "Keys mastered"),
        QT_TRANSLATE_NOOP("TfmClass", "Weakest keys"), QT_TRANSLATE_NOOP("TfmClass", "Note")}) {
    header.push_back(Tr(title).toStdString());
  }
  return header;
}

std::vector<CsvCell> ClassTableModel::CsvCells(const ClassRow& row) {
  std::vector<CsvCell> cells;
  const bool readable = row.Readable();
  const auto text = [&](const std::string& value) { cells.push_back(CsvCell::Text(value)); };
  const auto none = [&] { cells.emplace_back(); };
  text(row.pupil);
  text(row.login);
  text(readable ? row.profile : row.fileName);
  if (readable)
    text(WrittenText(row.lastHandIn, false).toStdString());
  else
    none();
  if (readable)
    cells.push_back(CsvCell::Integer(static_cast<double>(row.playedThisWeekMs / 60000)));
  else
    none();
  if (readable)
    cells.push_back(CsvCell::Integer(static_cast<double>(row.levelsPassed)));
  else
    none();
  if (row.accuracyPercent)
    cells.push_back(CsvCell::Integer(*row.accuracyPercent));
  else
    none();
  if (row.wordsPerMinute)
    cells.push_back(CsvCell::Decimal(*row.wordsPerMinute));
  else
    none();
  if (row.trend)
    cells.push_back(CsvCell::Decimal(*row.trend));
  else
    none();
  if (readable)
    cells.push_back(CsvCell::Integer(static_cast<double>(row.keysMastered)));
  else
    none();
  text(WeakestKeysText(row));
  text(Note(row).toStdString());
  return cells;
}
