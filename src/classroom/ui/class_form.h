// SPDX-License-Identifier: GPL-3.0-or-later
// TfmClass: the CLASS screen: one row per pupil and profile of a class folder, sorted by any
// column, a pupil's page, the class's keys, and the table saved as CSV or PDF. Every part of
// it works with the keyboard alone.
#pragma once
#include <QDialog>
#include <QPixmap>
#include <QString>
#include <memory>
#include <string>

#include "classroom/class_roster.h"

struct AppContext;
class ClassTableModel;
class KeyHighlight;
class QLabel;
class QTableView;
class TfmProgress;
class TVtxSpdButton;

class TfmClass : public QDialog {
  Q_OBJECT
 public:
  TfmClass(AppContext& app, QString folder, QWidget* parent = nullptr);
  ~TfmClass() override;

  // Reads the class folder anew and shows the screen modally until Esc or OK.
  void ShowModal();
  // Reads the class folder anew (F5); the rows keep their order.
  void Reload();

  // Sorts by a column; the same column again turns the order round.
  void SortBy(ClassColumn column);
  // The pupil's page of the table's row (read only, modal); a row that cannot be read says why.
  void OpenPupil(int row);
  // The class's keys: PROGRESS's keyboard, of the whole class.
  void OpenClassKeys();
  // Writes the table as CSV, or as PDF with a page per pupil; false with the reason shown when
  // the file cannot be written.
  bool SaveCsv(const QString& path);
  bool SavePdf(const QString& path);

  const ClassRoster& Roster() const { return roster_; }
  const std::vector<ClassRow>& Rows() const;
  QTableView* Table() const { return table_; }
  TfmProgress* PupilPage() const { return pupilPage_; }
  QLabel* Summary() const { return summary_; }
  QLabel* RowNote() const { return rowNote_; }
  TVtxSpdButton* BtnKeys() const { return btnKeys_; }
  TVtxSpdButton* BtnCsv() const { return btnCsv_; }
  TVtxSpdButton* BtnPdf() const { return btnPdf_; }
  TVtxSpdButton* BtnOk() const { return btnOk_; }
  // The header of a column and the text of a note, as the screen and the files say them.
  static QString ColumnTitle(ClassColumn column);
  static QString NoteText(const ClassRow& row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AskCsv();
  void AskPdf();
  void ShowSummary();
  void ShowRowNote();
  void TakeKeyboardBack();

  AppContext& app_;
  QString folder_;
  ClassRoster roster_;
  ClassColumn sortColumn_ = ClassColumn::kPupil;
  bool descending_ = false;
  QPixmap background_;
  QLabel* summary_ = nullptr;
  QLabel* rowNote_ = nullptr;
  QTableView* table_ = nullptr;
  ClassTableModel* model_ = nullptr;
  TVtxSpdButton* btnKeys_ = nullptr;
  TVtxSpdButton* btnCsv_ = nullptr;
  TVtxSpdButton* btnPdf_ = nullptr;
  TVtxSpdButton* btnOk_ = nullptr;
  KeyHighlight* keys_ = nullptr;
  TfmProgress* pupilPage_ = nullptr;  // made at the first pupil opened
};

// Whether this user may list and read folder: the main menu offers CLASS only then.
bool ClassFolderReadable(const std::string& folder);
