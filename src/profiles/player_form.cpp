// TFmPlayer: the profile dialog. Adds, deletes and chooses profiles, chooses the level START GAME
// plays and the profile's difficulty; every change is written to Player.ini at once.
#include "profiles/player_form.h"

#include "app/app_context.h"
#include "app/services.h"
#include "app/shared_state.h"
#include "platform/game_error.h"
#include "platform/text_case.h"
#include "profiles/button_sound.h"
#include "profiles/main_menu_form.h"
#include "profiles/profile_names.h"
#include "screens/hover_button_widget.h"
#include "screens/picture_box_widget.h"
#include "screens/qt_fonts.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

namespace {
const char* const kDifficulties[3] = {"Easy", "Normal", "Hard"};

// Black boxes with silver bold text and a one-pixel flat border.
const QString kBoxStyle = QStringLiteral(
    "background: black; color: #C0C0C0; border: 1px solid #808080;"
    "selection-background-color: #000080; selection-color: white;");

QListWidget* MakeList(QWidget* parent, int left) {
  auto* list = new QListWidget(parent);
  list->setGeometry(left, 32, 121, 121);
  list->setFont(ArialFont(16));
  list->setStyleSheet(QStringLiteral("QListWidget {") + kBoxStyle +
                      QStringLiteral("} QListWidget::item { height: 19px; padding: 0px; }"));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setUniformItemSizes(true);
  list->setTextElideMode(Qt::ElideNone);
  return list;
}

TVtxSpdButton* MakeDialogButton(QWidget* parent, const QString& caption, int left, int width,
                                int fontPx) {
  auto* button = new TVtxSpdButton(parent);
  button->setText(caption);
  button->setGeometry(left, 200, width, 22);
  button->SetCaptionFont(ArialFont(fontPx));
  button->SetFontColor(look::kWhite);
  button->EnableUnderline = false;
  button->EnableHighLight = true;
  button->OldColor = look::kBlack;
  button->HighLightClr = look::kGray;
  return button;
}

bool ContainsNoCase(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& n) { return EqualsNoCaseAscii(n, name); });
}

QString LevelText(int32_t level, bool blank) {
  return (blank ? QStringLiteral("level ") : QStringLiteral("level")) + QString::number(level);
}
}  // namespace

TFmPlayer::TFmPlayer(AppContext& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), app_(app) {
  setFixedSize(273, 236);
  setModal(true);
  auto* background =
      new PictureBox(ScreenPicture(QStringLiteral("player_background.png"), 273, 236), true, this);
  background->setGeometry(0, 0, 273, 236);

  MakeLabel(this, QStringLiteral("Players"), 40, 8, ArialFont(16), look::kSilver);
  MakeLabel(this, QStringLiteral("Levels"), 176, 8, ArialFont(16), look::kSilver);
  memoPlayer_ = MakeList(this, 8);
  memoLevels_ = MakeList(this, 144);

  edPlayer_ = new QLineEdit(this);
  edPlayer_->setGeometry(8, 160, 121, 27);
  edPlayer_->setFont(ArialFont(16));
  edPlayer_->setStyleSheet(QStringLiteral("QLineEdit {") + kBoxStyle + QStringLiteral("}"));

  lbcurlevel_ = MakeLabel(this, QStringLiteral("level"), 144, 168, ArialFont(16), look::kSilver);

  cbUp_ = new QComboBox(this);
  cbUp_->setGeometry(200, 163, 65, 21);
  cbUp_->setFont(ArialFont(13, false));
  cbUp_->setStyleSheet(QStringLiteral(
      "QComboBox { background: black; color: white; border: 1px solid #808080; padding-left: 2px; }"
      "QComboBox QAbstractItemView { background: black; color: white;"
      " selection-background-color: #000080; }"));
  for (const char* d : kDifficulties) cbUp_->addItem(QString::fromUtf8(d));
  cbUp_->setCurrentIndex(-1);

  btnAdd_ = MakeDialogButton(this, QStringLiteral("ADD"), 8, 57, 11);
  btnDelete_ = MakeDialogButton(this, QStringLiteral("DELETE"), 72, 57, 11);
  btnOk_ = MakeDialogButton(this, QStringLiteral("OK"), 144, 121, 16);

  connect(btnAdd_, &QAbstractButton::clicked, this, [this] { AddClick(); });
  connect(btnDelete_, &QAbstractButton::clicked, this, [this] { DeleteClick(); });
  connect(btnOk_, &QAbstractButton::clicked, this, [this] { OkClick(); });
  connect(memoPlayer_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!filling_) MemoPlayerClick();
  });
  connect(memoLevels_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!filling_) MemoLevelsClick();
  });
  connect(cbUp_, &QComboBox::activated, this, [this](int) { CBUpChange(); });

  setTabOrder(memoPlayer_, memoLevels_);
  setTabOrder(memoLevels_, edPlayer_);
  setTabOrder(edPlayer_, cbUp_);
  for (QWidget* w : {static_cast<QWidget*>(memoPlayer_), static_cast<QWidget*>(memoLevels_),
                     static_cast<QWidget*>(edPlayer_), static_cast<QWidget*>(cbUp_)})
    w->installEventFilter(this);
}

void TFmPlayer::ShowModal() {
  CentreOnScreen(this);
  exec();
}

template <typename F> void TFmPlayer::Guarded(F&& handler) {
  try {
    handler();
  } catch (const GameError& e) {
    app_.services.messages.Show(e.what());
  }
}

void TFmPlayer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    memoPlayer_->setFocus();
    Guarded([this] { FormShow(); });
  }
}

void TFmPlayer::FormShow() {
  SharedState& shared = app_.shared;
  shared.playerSections = shared.playerStore->ReadSections();
  SelectDifficulty(shared.playerStore->ReadString(shared.currentPlayer, "up", "easy"));
  SelectProfile("");
}

void TFmPlayer::SelectDifficulty(const std::string& up) {
  for (int i = 0; i < cbUp_->count(); ++i)
    if (EqualsNoCaseAscii(cbUp_->itemText(i).toStdString(), up)) {
      cbUp_->setCurrentIndex(i);
      return;
    }
}

void TFmPlayer::SetLevelLabel(const QString& text) {
  lbcurlevel_->setText(text);
  lbcurlevel_->adjustSize();
}

void TFmPlayer::FillLevels(int32_t count) {
  filling_ = true;
  for (int32_t i = 1; i <= count; ++i) memoLevels_->addItem(LevelText(i, false));
  filling_ = false;
}

void TFmPlayer::SetMenuLabels(const QString& player, const QString& level) {
  if (app_.screens.fmMain == nullptr) return;
  app_.screens.fmMain->SetPlayerLabel(player);
  app_.screens.fmMain->SetLevelLabel(level);
}

void TFmPlayer::SelectProfile(const std::string& name) {
  SharedState& shared = app_.shared;
  IniStore& store = *shared.playerStore;
  if (!name.empty()) {
    if (!ContainsNoCase(shared.playerSections, name)) {
      store.WriteInteger(name, "levels", 1);
      store.WriteInteger(name, "curlevel", 1);
      shared.playerSections.push_back(name);
      filling_ = true;
      memoPlayer_->addItem(QString::fromStdString(name));
      filling_ = false;
      store.WriteString(name, "up", cbUp_->currentText().toStdString());
    }
    store.WriteString("curplayer", "name", name);
    SelectDifficulty(store.ReadString(name, "up", "easy"));
    edPlayer_->setText(QString::fromStdString(name));
    shared.currentPlayer = store.ReadString("curplayer", "name", "");
    filling_ = true;
    memoLevels_->clear();
    filling_ = false;
    const int32_t curlevel = store.ReadInteger(name, "curlevel", 0);
    SetLevelLabel(LevelText(curlevel, true));
    FillLevels(store.ReadInteger(name, "levels", 0));
    SetMenuLabels(QString::fromStdString(name), LevelText(curlevel, true));
    return;
  }

  auto& sections = shared.playerSections;
  sections.erase(std::remove_if(sections.begin(), sections.end(),
                                [](const std::string& s) { return EqualsNoCaseAscii(s, "curplayer"); }),
                 sections.end());
  filling_ = true;
  memoPlayer_->clear();
  for (const std::string& s : sections) memoPlayer_->addItem(QString::fromStdString(s));
  memoPlayer_->clearSelection();
  filling_ = false;
  const std::string current = store.ReadString("curplayer", "name", "");
  SetLevelLabel(LevelText(store.ReadInteger(current, "curlevel", 0), true));
  shared.currentPlayer = current;
  if (current.empty()) return;
  edPlayer_->setText(QString::fromStdString(current));
  const int32_t levels = store.ReadInteger(current, "levels", 0);
  filling_ = true;
  memoLevels_->clear();
  filling_ = false;
  if (levels <= 0)
    app_.services.messages.Show("error");
  else
    FillLevels(levels);
}

void TFmPlayer::AddClick() {
  filling_ = true;
  cbUp_->setCurrentIndex(0);
  filling_ = false;
  PlayButtonSound(app_.shared, app_.services);
  const std::string name = edPlayer_->text().toStdString();
  if (name.empty()) return;
  for (int i = 0; i < memoPlayer_->count(); ++i)
    if (EqualsNoCaseAscii(memoPlayer_->item(i)->text().toStdString(), name)) return;
  const std::string problem = ProfileNameProblem(name);
  if (!problem.empty()) {
    app_.services.messages.Show(problem);
    return;
  }
  Guarded([&] { SelectProfile(name); });
}

void TFmPlayer::DeleteClick() {
  PlayButtonSound(app_.shared, app_.services);
  const QList<QListWidgetItem*> selected = memoPlayer_->selectedItems();
  if (memoPlayer_->count() < 2 || selected.isEmpty()) return;
  const std::string doomed = selected.front()->text().toStdString();
  Guarded([&] {
    // The file goes first: when it cannot be written, the list still shows what the file holds.
    app_.shared.playerStore->EraseSection(doomed);
    filling_ = true;
    delete memoPlayer_->takeItem(memoPlayer_->row(selected.front()));
    filling_ = false;
    auto& sections = app_.shared.playerSections;
    sections.erase(std::remove_if(sections.begin(), sections.end(),
                                  [&](const std::string& s) { return EqualsNoCaseAscii(s, doomed); }),
                   sections.end());
    SelectProfile(memoPlayer_->item(0)->text().toStdString());
  });
}

void TFmPlayer::MemoPlayerClick() {
  const QList<QListWidgetItem*> selected = memoPlayer_->selectedItems();
  if (selected.isEmpty()) return;
  const std::string name = selected.front()->text().toStdString();
  Guarded([&] { SelectProfile(name); });
}

void TFmPlayer::MemoLevelsClick() {
  const QList<QListWidgetItem*> selected = memoLevels_->selectedItems();
  if (selected.isEmpty()) return;
  const int32_t level = memoLevels_->row(selected.front()) + 1;
  SetLevelLabel(LevelText(level, false));
  if (app_.screens.fmMain) app_.screens.fmMain->SetLevelLabel(LevelText(level, false));
  Guarded([&] { app_.shared.playerStore->WriteInteger(app_.shared.currentPlayer, "curlevel", level); });
}

void TFmPlayer::CBUpChange() {
  if (app_.shared.currentPlayer.empty()) return;
  Guarded([this] {
    app_.shared.playerStore->WriteString(app_.shared.currentPlayer, "up",
                                         cbUp_->currentText().toStdString());
  });
}

void TFmPlayer::OkClick() {
  PlayButtonSound(app_.shared, app_.services);
  accept();
}

void TFmPlayer::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TFmPlayer::FormClose() {
  if (app_.shared.currentPlayer.empty() || cbUp_->currentIndex() < 0) return;
  // A failed write is reported, but the dialog still closes: the player is never held in it.
  Guarded([this] {
    app_.shared.playerStore->WriteString(app_.shared.currentPlayer, "up",
                                         cbUp_->currentText().toStdString());
  });
}

bool TFmPlayer::FormKeyDown(int key, QObject* focus) {
  if (key == Qt::Key_Escape || ((key == Qt::Key_Return || key == Qt::Key_Enter) && focus != edPlayer_)) {
    btnOk_->click();
    return true;
  }
  return false;
}

bool TFmPlayer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // The form sees the keys first; then the name field's own Enter adds the typed name.
    if (FormKeyDown(key, watched)) return true;
    if (watched == edPlayer_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      btnAdd_->click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFmPlayer::keyPressEvent(QKeyEvent* event) {
  if (!FormKeyDown(event->key(), this)) QDialog::keyPressEvent(event);
}
