// SPDX-License-Identifier: GPL-3.0-or-later
// TFmPlayer: the profile dialog. Draws the profile dialog's rules and forwards clicks and keys.
#include "profiles/ui/player_form.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

#include "core/app_context.h"
#include "platform/qt/qt_translations.h"
#include "profiles/ui/main_menu_form.h"
#include "profiles/profile_dialog.h"
#include "widgets/hover_button_widget.h"
#include "widgets/picture_box_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"

namespace {
// Black boxes with silver bold text and a one-pixel flat border.
const QString kBoxStyle = QStringLiteral(
    "background: black; color: #C0C0C0; border: 1px solid #808080;"
    "selection-background-color: #000080; selection-color: white;");

QListWidget* MakeList(QWidget* parent, int left) {
  auto* list = new QListWidget(parent);
  list->setGeometry(left, 32, 121, 121);
  list->setFont(ArialFont(16));
  // The list that has the keyboard shows it in its frame, and its cursor's row in a frame of
  // its own: an arrow key chooses from there.
  list->setStyleSheet(QStringLiteral("QListWidget {") + kBoxStyle +
                      QStringLiteral("} QListWidget:focus { border: 1px solid #FFD700; }"
                                     " QListWidget::item { height: 19px; padding: 0px; border: 1px solid transparent; }"
                                     " QListWidget::item:selected { background: #000080; color: white; }"
                                     " QListWidget::item:focus { border: 1px solid #FFD700; }"));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setUniformItemSizes(true);
  list->setTextElideMode(Qt::ElideNone);
  return list;
}

// The difficulties as the rules name them.
[[maybe_unused]] constexpr const char* kDifficultyTexts[] = {QT_TRANSLATE_NOOP("TFmPlayer", "Easy"),
                                                             QT_TRANSLATE_NOOP("TFmPlayer", "Normal"),
                                                             QT_TRANSLATE_NOOP("TFmPlayer", "Hard")};

QString AsIs(const std::string& row) { return QString::fromStdString(row); }

// Refills a list only when its rows (as shown) differ, so its scroll position survives, then
// selects; with no row selected, the cursor goes to the row given.
void ShowRows(QListWidget* list, const std::vector<std::string>& rows, int selected, int cursor,
              QString (*shown)(const std::string&) = AsIs) {
  bool same = list->count() == static_cast<int>(rows.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->item(i)->text() == shown(rows[static_cast<size_t>(i)]);
  if (!same) {
    list->clear();
    for (const std::string& row : rows) list->addItem(shown(row));
  }
  if (selected >= 0 && selected < list->count()) {
    list->setCurrentRow(selected);
    return;
  }
  list->clearSelection();
  if (cursor >= 0 && cursor < list->count()) {
    list->selectionModel()->setCurrentIndex(list->model()->index(cursor, 0), QItemSelectionModel::NoUpdate);
  }
}

// The row an arrow, paging or Home and End key leads to from the cursor; -1 for other keys. At
// an end the cursor's own row: the key still chooses it.
int RowForKey(const QListWidget* list, int key) {
  const int count = list->count();
  if (count == 0) return -1;
  const int current = std::max(list->currentRow(), 0);
  const int page = std::max(list->viewport()->height() / 19, 1);
  switch (key) {
    case Qt::Key_Up:
      return std::max(current - 1, 0);
    case Qt::Key_Down:
      return std::min(current + 1, count - 1);
    case Qt::Key_PageUp:
      return std::max(current - page, 0);
    case Qt::Key_PageDown:
      return std::min(current + page, count - 1);
    case Qt::Key_Home:
      return 0;
    case Qt::Key_End:
      return count - 1;
    default:
      return -1;
  }
}

int SelectedRow(QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}
}  // namespace

TFmPlayer::TFmPlayer(AppContext& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), app_(app) {
  MenuLabels menu;
  menu.setPlayer = [this](const std::string& text) {
    if (app_.screens.fmMain) app_.screens.fmMain->SetPlayerLabel(QString::fromStdString(text));
  };
  menu.setLevel = [this](const std::string& text) {
    if (app_.screens.fmMain) app_.screens.fmMain->SetLevelLabel(TranslatedLevelText(text));
  };
  rules_ = std::make_unique<ProfileDialog>(app_.shared, app_.services, std::move(menu));

  setFixedSize(273, 236);
  setModal(true);
}

void TFmPlayer::Build() {
  // The controls are made when the dialog is first shown or asked for: measuring and laying out
  // their texts loads fonts, which bringing up the main menu does not need.
  if (built_) return;
  built_ = true;
  auto* background =
      new PictureBox(ScreenPicture(QStringLiteral("player_background.png"), 273, 236), true, this);
  background->setGeometry(0, 0, 273, 236);

  MakeLabel(this, tr("Players"), 40, 8, ArialFont(16), look::kSilver);
  MakeLabel(this, tr("Levels"), 176, 8, ArialFont(16), look::kSilver);
  memoPlayer_ = MakeList(this, 8);
  memoLevels_ = MakeList(this, 144);

  edPlayer_ = new QLineEdit(this);
  edPlayer_->setGeometry(8, 160, 121, 27);
  edPlayer_->setFont(ArialFont(16));
  edPlayer_->setStyleSheet(QStringLiteral("QLineEdit {") + kBoxStyle + QStringLiteral("}"));

  lbcurlevel_ = MakeLabel(this, TranslatedLevelText("level"), 144, 168, ArialFont(16), look::kSilver);

  cbUp_ = new QComboBox(this);
  cbUp_->setGeometry(200, 163, 65, 21);
  cbUp_->setFont(ArialFont(13, false));
  cbUp_->setStyleSheet(QStringLiteral(
      "QComboBox { background: black; color: white; border: 1px solid #808080; padding-left: 2px; }"
      "QComboBox QAbstractItemView { background: black; color: white;"
      " selection-background-color: #000080; }"));
  for (const char* d : kDifficultyEntries) cbUp_->addItem(TranslatedText("TFmPlayer", d));
  cbUp_->setCurrentIndex(-1);

  btnAdd_ = MakeHoverButton(this, tr("ADD"), {8, 200, 57, 22}, {.fontPx = 11});
  btnDelete_ = MakeHoverButton(this, tr("DELETE"), {72, 200, 57, 22}, {.fontPx = 11});
  btnOk_ = MakeHoverButton(this, tr("OK"), {144, 200, 121, 22}, {.fontPx = 16});

  connect(btnAdd_, &QAbstractButton::clicked, this, [this] { AddClick(); });
  connect(btnDelete_, &QAbstractButton::clicked, this, [this] { DeleteClick(); });
  connect(btnOk_, &QAbstractButton::clicked, this, [this] { OkClick(); });
  // Every press on a row chooses it, also on the row already highlighted; a Ctrl+press that
  // takes the highlight off leaves no profile chosen. Arrow keys choose through the selection
  // change, which a press also makes: that one is left to the press. Drawing does not count.
  memoPlayer_->viewport()->installEventFilter(this);
  connect(memoPlayer_, &QListWidget::itemSelectionChanged, this, [this] {
    if (rendering_ || mousePressOnPlayers_) return;
    const int row = SelectedRow(memoPlayer_);
    if (row < 0) {
      rules_->ClearProfileChoice();
    } else {
      rules_->ChooseProfile(row);
    }
    Render();
  });
  connect(memoPlayer_, &QListWidget::pressed, this, [this](const QModelIndex& index) {
    mousePressOnPlayers_ = false;
    if (rendering_) return;
    if (memoPlayer_->selectionModel()->isSelected(index)) {
      rules_->ChooseProfile(index.row());
    } else {
      rules_->ClearProfileChoice();
    }
    Render();
  });
  connect(memoLevels_, &QListWidget::itemSelectionChanged, this, [this] {
    if (rendering_ || SelectedRow(memoLevels_) < 0) return;
    rules_->ChooseLevel(SelectedRow(memoLevels_));
    Render();
  });
  connect(cbUp_, &QComboBox::activated, this, [this](int entry) {
    rules_->ChangeDifficulty(entry);
    Render();
  });

  setTabOrder(memoPlayer_, memoLevels_);
  setTabOrder(memoLevels_, edPlayer_);
  setTabOrder(edPlayer_, cbUp_);
  for (QWidget* w : {static_cast<QWidget*>(memoPlayer_), static_cast<QWidget*>(memoLevels_),
                     static_cast<QWidget*>(edPlayer_), static_cast<QWidget*>(cbUp_)})
    w->installEventFilter(this);
  // Tab and Shift+Tab go on from the difficulty box to the buttons and round again; the lists,
  // the name field and the difficulty box keep their arrows and Space.
  keys_ = new KeyHighlight(this);
  for (QWidget* w : {static_cast<QWidget*>(memoPlayer_), static_cast<QWidget*>(memoLevels_),
                     static_cast<QWidget*>(edPlayer_), static_cast<QWidget*>(cbUp_)})
    keys_->AddControl(w);
  for (TVtxSpdButton* b : {btnAdd_, btnDelete_, btnOk_}) keys_->AddButton(b);
}

TFmPlayer::~TFmPlayer() = default;

TFmPlayer& TFmPlayer::Built() const {
  // Making the controls changes nothing the dialog shows or decides: it may happen on any read.
  auto& self = const_cast<TFmPlayer&>(*this);
  self.Build();
  return self;
}

void TFmPlayer::setVisible(bool visible) {
  // Before the toolkit shows the children: controls made later would stay hidden.
  if (visible) Build();
  QDialog::setVisible(visible);
}

void TFmPlayer::ShowModal() {
  CentreOnScreen(this);
  exec();
}

void TFmPlayer::Render() {
  const ProfileDialogView& view = rules_->View();
  rendering_ = true;
  ShowRows(memoPlayer_, view.players, view.selectedPlayer, view.cursorPlayer);
  ShowRows(memoLevels_, view.levels, view.selectedLevel, view.cursorLevel, TranslatedLevelText);
  if (view.nameFieldSets != nameFieldSets_) {
    nameFieldSets_ = view.nameFieldSets;
    edPlayer_->setText(QString::fromStdString(view.nameField));
  }
  lbcurlevel_->setText(TranslatedLevelText(view.levelLabel));
  // A longer word for "level" than the English one is drawn smaller, to end where English does,
  // at the difficulty box's frame.
  FitLabelWidth(lbcurlevel_, ArialFont(16), cbUp_->x() + 2 - lbcurlevel_->x());
  cbUp_->setCurrentIndex(view.difficulty);
  rendering_ = false;
}

void TFmPlayer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  memoPlayer_->setFocus();
  rules_->Open();
  Render();
}

void TFmPlayer::AddClick() {
  Build();
  rules_->Add(edPlayer_->text().toStdString());
  Render();
}

void TFmPlayer::DeleteClick() {
  Build();
  rules_->Delete();
  Render();
}

void TFmPlayer::OkClick() {
  rules_->Ok();
  accept();
}

void TFmPlayer::done(int result) {
  rules_->Close();
  QDialog::done(result);
}

bool TFmPlayer::FormKeyDown(int key, QObject* focus) {
  Build();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (key == Qt::Key_Escape || (enter && focus != edPlayer_)) {
    btnOk_->click();
    return true;
  }
  return false;
}

bool TFmPlayer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memoPlayer_->viewport()) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      mousePressOnPlayers_ = true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
      mousePressOnPlayers_ = false;
    }
    return QDialog::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    // The form sees the keys first; then the name field's own Enter adds the typed name.
    if (FormKeyDown(key, watched)) return true;
    // In the lists the arrows choose, as a click does, also the row the cursor stands on when
    // it can go no further; Ctrl with an arrow keeps moving the cursor alone.
    auto* list = watched == memoPlayer_ || watched == memoLevels_ ? static_cast<QListWidget*>(watched) : nullptr;
    if (list && !(keyEvent->modifiers() & Qt::ControlModifier)) {
      if (const int row = RowForKey(list, key); row >= 0) {
        if (list->item(row)->isSelected()) {
          list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
        } else {
          list->setCurrentRow(row);
        }
        return true;
      }
    }
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
