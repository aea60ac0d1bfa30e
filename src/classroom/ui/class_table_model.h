// SPDX-License-Identifier: GPL-3.0-or-later
// The CLASS screen's table: the rows of a class folder as the screen, the CSV file and the PDF
// say them, in the teacher's language. Every text is plain text.
#pragma once
#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "classroom/class_roster.h"
#include "classroom/csv_cells.h"

class ClassTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<ClassRow> rows);
  const std::vector<ClassRow>& Rows() const { return rows_; }
  // Marks the sorted column (an arrow) and the chosen one (the column S sorts by) in the header.
  void SetMarks(ClassColumn sorted, bool descending, int chosen);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // A cell as the screen shows it.
  static QString CellText(const ClassRow& row, ClassColumn column);
  static QString Title(ClassColumn column);
  // Why a row's file cannot be read, or which of its totals disagree; empty for neither.
  static QString Note(const ClassRow& row);
  // "1 h 05 min", "7 min".
  static QString PlayedText(int64_t ms);
  // The last hand-in in the teacher's time zone: as the locale writes it, or as yyyy-MM-dd HH:mm.
  static QString WrittenText(const std::string& writtenAt, bool localeFormat);

  // The CSV file: a header line and one line per row; numbers stay numbers.
  static std::vector<std::string> CsvHeader();
  static std::vector<CsvCell> CsvCells(const ClassRow& row);

 private:
  std::vector<ClassRow> rows_;
  ClassColumn sorted_ = ClassColumn::kPupil;
  bool descending_ = false;
  int chosen_ = 0;
};
