// SPDX-License-Identifier: GPL-3.0-or-later
// TfmClass: the CLASS screen.
#include "classroom/ui/class_form.h"

#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QSaveFile>
#include <QTableView>
#include <algorithm>

#include "classroom/pupil_records.h"
#include "classroom/ui/class_pdf.h"
#include "classroom/ui/class_table_model.h"
#include "core/app_context.h"
#include "core/button_sound.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/keyboard_layout.h"
#include "platform/login_name.h"
#include "practice/local_day.h"
#include "progress/ui/progress_form.h"
#include "widgets/hover_button_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"

namespace {
constexpr int kWidth = 1000;
constexpr int kHeight = 620;
const QColor kBrass{0xD9, 0xA9, 0x4B};
const QColor kParchment{0xF0, 0xE2, 0xC0};
const QColor kDim{0x9A, 0x8A, 0x70};
constexpr int kColumnWidths[kClassColumns] = {128, 110, 144, 72, 52, 70, 96, 66, 92, 0};

// The table in the boards' colours: dark wood, parchment writing, brass edges and selection.
constexpr const char* kTableStyle =
    "QTableView { background: #26180E; alternate-background-color: #2F1F13; color: #F0E2C0;"
    " gridline-color: #4A3420; selection-background-color: #D9A94B; selection-color: #1A1008;"
    " border: 1px solid #D9A94B; font-family: Arial; font-size: 13px; }"
    "QHeaderView::section { background: #3A2616; color: #D9A94B; border: none;"
    " border-right: 1px solid #4A3420; border-bottom: 1px solid #D9A94B; padding: 4px;"
    " font-family: Arial; font-size: 12px; font-weight: bold; }"
    "QTableCornerButton::section { background: #3A2616; border: none; }";

QString DefaultFile(const QString& suffix) {
  return QDir::home().filePath(
      QStringLiteral("class-%1.%2").arg(QDate::currentDate().toString(Qt::ISODate), suffix));
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
}  // namespace

bool ClassFolderReadable(const std::string& folder) {
  return !folder.empty() && ::access(folder.c_str(), R_OK | X_OK) == 0 &&
         QFileInfo(QString::fromStdString(folder)).isDir();
}

TfmClass::TfmClass(AppContext& app, QString folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), app_(app), folder_(std::move(folder)) {
  setFixedSize(kWidth, kHeight);
  setModal(true);
  setWindowTitle(tr("Class"));
  summary_ = MakeLabel(this, QString(), 16, 50, ArialFont(13, false), kParchment);
  // The folder's name comes from a configuration file: shown as written, never as markup.
  summary_->setTextFormat(Qt::PlainText);
  summary_->setFixedWidth(kWidth - 32);

  model_ = new ClassTableModel(this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("class_table"));
  table_->setGeometry(16, 76, kWidth - 32, 466);
  table_->setModel(model_);
  table_->setStyleSheet(QString::fromLatin1(kTableStyle));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(true);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideRight);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(24);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setSectionsClickable(true);
  table_->horizontalHeader()->setHighlightSections(false);
  table_->setTabKeyNavigation(false);
  for (int c = 0; c + 1 < kClassColumns; ++c) table_->setColumnWidth(c, kColumnWidths[c]);
  connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int section) { SortBy(static_cast<ClassColumn>(section)); });
  connect(table_, &QAbstractItemView::activated, this,
          [this](const QModelIndex& index) { OpenPupil(index.row()); });
  table_->installEventFilter(this);
  // The note of the row under the cursor in full, as the keyboard reaches no tooltip.
  rowNote_ = MakeLabel(this, QString(), 16, 546, ArialFont(12, false), look::kYellow);
  rowNote_->setTextFormat(Qt::PlainText);
  rowNote_->setFixedWidth(kWidth - 32);
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { ShowRowNote(); });

  auto* hint =
      MakeLabel(this,
                tr("Up, Down: pupil   Left, Right: column   S: sort by it   Enter: open   F5: read "
                   "again   Tab: buttons"),
                16, 566, ArialFont(11, false), kDim);
  hint->setFixedWidth(kWidth - 32);
  btnKeys_ =
      MakeHoverButton(this, tr("CLASS KEYS"), {16, 584, 180, 25}, {.fontPx = 16, .color = kBrass});
  btnCsv_ =
      MakeHoverButton(this, tr("SAVE CSV"), {212, 584, 150, 25}, {.fontPx = 16, .color = kBrass});
  btnPdf_ =
      MakeHoverButton(this, tr("SAVE PDF"), {378, 584, 150, 25}, {.fontPx = 16, .color = kBrass});
  btnOk_ = MakeHoverButton(this, QStringLiteral("OK"), {kWidth - 80, 584, 64, 25}, {.fontPx = 16});
  connect(btnKeys_, &QAbstractButton::clicked, this, [this] { OpenClassKeys(); });
  connect(btnCsv_, &QAbstractButton::clicked, this, [this] { AskCsv(); });
  connect(btnPdf_, &QAbstractButton::clicked, this, [this] { AskPdf(); });
  connect(btnOk_, &QAbstractButton::clicked, this, [this] {
    PlayButtonSound(app_.shared, app_.services);
    accept();
  });
  keys_ = new KeyHighlight(this, KeyHighlight::Arrows::None);
  keys_->AddControl(table_);
  for (TVtxSpdButton* b : {btnKeys_, btnCsv_, btnPdf_, btnOk_}) keys_->AddButton(b);
}

TfmClass::~TfmClass() {
  delete keys_;
  keys_ = nullptr;
}

const std::vector<ClassRow>& TfmClass::Rows() const { return model_->Rows(); }

QString TfmClass::ColumnTitle(ClassColumn column) { return ClassTableModel::Title(column); }
QString TfmClass::NoteText(const ClassRow& row) { return ClassTableModel::Note(row); }

void TfmClass::ShowModal() {
  Reload();
  CentreOnScreen(this);
  table_->setFocus();
  exec();
}

void TfmClass::Reload() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const int64_t today = LocalDayOf(QDateTime::currentMSecsSinceEpoch());
  // Weeks start on the day the teacher's locale starts them.
  const std::string weekStart = WeekStartDay(today, static_cast<int>(QLocale().firstDayOfWeek()));
  roster_ =
      ReadClassFolder(LocalPath(folder_), weekStart, [](uint32_t uid) { return AccountOf(uid); });
  std::vector<ClassRow> rows = roster_.rows;
  SortClassRows(rows, sortColumn_, descending_);
  const int chosen = table_->currentIndex().isValid() ? table_->currentIndex().column() : 0;
  model_->SetRows(std::move(rows));
  model_->SetMarks(sortColumn_, descending_, chosen);
  if (model_->rowCount() > 0) table_->setCurrentIndex(model_->index(0, chosen));
  ShowSummary();
  ShowRowNote();
  QApplication::restoreOverrideCursor();
}

void TfmClass::ShowSummary() {
  int unreadable = 0, flagged = 0;
  for (const ClassRow& row : roster_.rows) {
    if (!row.Readable())
      ++unreadable;
    else if (!row.disagreements.empty())
      ++flagged;
  }
  QString text = folder_ + QStringLiteral("   ");
  if (!roster_.error.empty()) {
    text += tr("Cannot read the class folder.");
  } else {
    const int count = static_cast<int>(roster_.rows.size());
    text += count == 1 ? tr("1 hand-in") : tr("%1 hand-ins").arg(count);
    if (unreadable > 0) text += QStringLiteral(", ") + tr("unreadable: %1").arg(unreadable);
    if (flagged > 0) text += QStringLiteral(", ") + tr("totals that disagree: %1").arg(flagged);
  }
  summary_->setText(summary_->fontMetrics().elidedText(text, Qt::ElideMiddle, summary_->width()));
}

void TfmClass::ShowRowNote() {
  const int row = table_->currentIndex().row();
  QString note;
  if (row >= 0 && row < static_cast<int>(Rows().size())) {
    const ClassRow& shown = Rows()[static_cast<size_t>(row)];
    note = ClassTableModel::Note(shown);
    if (!shown.Readable())
      note += QStringLiteral("  (") + QString::fromStdString(shown.fileName) + QStringLiteral(")");
  }
  rowNote_->setText(rowNote_->fontMetrics().elidedText(note, Qt::ElideRight, rowNote_->width()));
}

void TfmClass::SortBy(ClassColumn column) {
  descending_ = column == sortColumn_ ? !descending_ : false;
  sortColumn_ = column;
  // The row under the cursor stays under it.
  const int current = table_->currentIndex().row();
  const std::string file = current >= 0 && current < static_cast<int>(Rows().size())
                               ? Rows()[static_cast<size_t>(current)].fileName
                               : std::string();
  std::vector<ClassRow> rows = Rows();
  SortClassRows(rows, sortColumn_, descending_);
  int row = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].fileName == file) row = static_cast<int>(i);
  }
  const int chosen = static_cast<int>(column);
  model_->SetRows(std::move(rows));
  model_->SetMarks(sortColumn_, descending_, chosen);
  if (model_->rowCount() > 0) table_->setCurrentIndex(model_->index(row, chosen));
  ShowRowNote();
}

void TfmClass::OpenPupil(int row) {
  if (row < 0 || row >= static_cast<int>(Rows().size())) return;
  const ClassRow& chosen = Rows()[static_cast<size_t>(row)];
  HandInReader reader(roster_.folder + "/" + chosen.fileName);
  const HandIn handIn = reader.Whole();
  if (reader.Problem() != HandInProblem::kNone) {
    ClassRow now = chosen;
    now.problem = reader.Problem();
    now.problemDetail = reader.Detail();
    app_.services.messages.Show(ClassTableModel::Note(now).toStdString());
    TakeKeyboardBack();
    return;
  }
  PupilRecords records = PupilRecordsOf(handIn);
  if (!pupilPage_) pupilPage_ = new TfmProgress(app_, this);
  TfmProgress::ReadOnlyRecords shown;
  shown.heading = tr("%1: %2").arg(QString::fromStdString(chosen.pupil),
                                   QString::fromStdString(handIn.profile));
  shown.data = std::move(records.data);
  shown.keys = std::move(records.keys);
  shown.layout = std::move(records.layout);
  pupilPage_->ShowReadOnly(std::move(shown));
  TakeKeyboardBack();
}

void TfmClass::OpenClassKeys() {
  PlayButtonSound(app_.shared, app_.services);
  std::optional<KeyTable> layout =
      app_.services.keyboard ? app_.services.keyboard->ActiveTable() : std::nullopt;
  if (!pupilPage_) pupilPage_ = new TfmProgress(app_, this);
  TfmProgress::ReadOnlyRecords shown;
  shown.heading = tr("Class: %1").arg(QFileInfo(folder_).fileName());
  shown.keys = ClassKeyStats(roster_.keys, layout ? &*layout : nullptr);
  shown.layout = std::move(layout);
  shown.runsAndTotals = false;
  shown.note = tr(
      "Every key shows the hits of the whole class: each pupil's last 200 tries at it, added up. "
      "Keys to practise are the keys the class misses most.");
  pupilPage_->ShowReadOnly(std::move(shown));
  TakeKeyboardBack();
}

void TfmClass::AskCsv() {
  PlayButtonSound(app_.shared, app_.services);
  const QString path =
      QFileDialog::getSaveFileName(this, tr("Save the class table"),
                                   DefaultFile(QStringLiteral("csv")), tr("CSV files (*.csv)"));
  TakeKeyboardBack();
  if (!path.isEmpty()) SaveCsv(path);
}

void TfmClass::AskPdf() {
  PlayButtonSound(app_.shared, app_.services);
  const QString path =
      QFileDialog::getSaveFileName(this, tr("Save the class as PDF"),
                                   DefaultFile(QStringLiteral("pdf")), tr("PDF files (*.pdf)"));
  TakeKeyboardBack();
  if (!path.isEmpty()) SavePdf(path);
}

bool TfmClass::SaveCsv(const QString& path) {
  // With a byte order mark, as spreadsheets take it for UTF-8.
  std::string text = "\xEF\xBB\xBF";
  std::vector<CsvCell> header;
  for (const std::string& title : ClassTableModel::CsvHeader())
    header.push_back(CsvCell::Text(title));
  text += CsvLine(header);
  for (const ClassRow& row : Rows()) text += CsvLine(ClassTableModel::CsvCells(row));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) < 0 || !file.commit()) {
    app_.services.messages.Show("Unable to write to " + LocalPath(path));
    TakeKeyboardBack();
    return false;
  }
  return true;
}

bool TfmClass::SavePdf(const QString& path) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool written =
      WriteClassPdf(path, roster_, Rows(), tr("Class: %1").arg(QFileInfo(folder_).fileName()));
  QApplication::restoreOverrideCursor();
  if (!written) {
    app_.services.messages.Show("Unable to write to " + LocalPath(path));
    TakeKeyboardBack();
  }
  return written;
}

void TfmClass::TakeKeyboardBack() {
  // Without a window manager nobody hands the keyboard back when a screen over this one closes.
  raise();
  activateWindow();
}

void TfmClass::paintEvent(QPaintEvent*) {
  if (background_.isNull()) {
    const QPixmap picture(QStringLiteral(":/pictures/progress_background.png"));
    if (!picture.isNull())
      background_ =
          picture.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QPainter p(this);
  if (background_.isNull())
    p.fillRect(rect(), QColor(44, 26, 15));
  else
    p.drawPixmap(0, 0, background_);
  p.setFont(ArialFont(24));
  p.setPen(look::kWhite);
  p.drawText(QRect(0, 8, kWidth, 44), Qt::AlignHCenter | Qt::AlignVCenter, tr("Class"));
}

bool TfmClass::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_S:
      case Qt::Key_Space:
        if (table_->currentIndex().isValid())
          SortBy(static_cast<ClassColumn>(table_->currentIndex().column()));
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        OpenPupil(table_->currentIndex().row());
        return true;
      case Qt::Key_Left:
      case Qt::Key_Right: {
        // The column S sorts by: marked in the header as it moves.
        const QModelIndex current = table_->currentIndex();
        if (!current.isValid()) return true;
        const int column = std::clamp(current.column() + (key->key() == Qt::Key_Right ? 1 : -1), 0,
                                      kClassColumns - 1);
        table_->setCurrentIndex(model_->index(current.row(), column));
        table_->scrollTo(table_->currentIndex());
        model_->SetMarks(sortColumn_, descending_, column);
        return true;
      }
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfmClass::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      btnOk_->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!keys_->PressLit()) OpenPupil(table_->currentIndex().row());
      return;
    case Qt::Key_F5:
      Reload();
      return;
    default:
      event->ignore();
  }
}
