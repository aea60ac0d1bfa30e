// SPDX-License-Identifier: GPL-3.0-or-later
// TfmMain: the main window. Shows the current profile and level, starts play, opens the other
// screens, switches sound, and links to the game's manual.
#include "profiles/ui/main_menu_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QUrl>

#include "classroom/hand_in_service.h"
#include "classroom/ui/class_form.h"
#include "core/app_context.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "platform/game_error.h"
#include "platform/login_name.h"
#include "platform/qt/qt_translations.h"
#include "platform/shell.h"
#include "profiles/ui/about_form.h"
#include "core/button_sound.h"
#include "profiles/ui/first_start_form.h"
#include "profiles/ui/help_form.h"
#include "profiles/main_menu.h"
#include "profiles/ui/player_form.h"
#include "profiles/player_store.h"
#include "progress/ui/progress_form.h"
#include "widgets/hover_button_widget.h"
#include "widgets/link_label_widget.h"
#include "widgets/picture_box_widget.h"
#include "widgets/qt_key_highlight.h"
#include "widgets/qt_fonts.h"

namespace {
constexpr int kLevelLabelRight = 291;
// Texts the rules hand over in English.
[[maybe_unused]] constexpr const char* kRulesTexts[] = {QT_TRANSLATE_NOOP("TfmMain", "SOUND ON"),
                                                        QT_TRANSLATE_NOOP("TfmMain", "SOUND OFF"),
                                                        QT_TRANSLATE_NOOP("TfmMain", "keyslinger manual")};

}  // namespace

std::string SitePageAddress(const AppContext& app) {
  // The manual in the player's language when it has a page in it, else the English one.
  const QString docs = QString::fromStdString(app.shared.appDir + "docs/");
  QString page = docs + QStringLiteral("index.") + UiLanguageCode() + QStringLiteral(".html");
  if (UiLanguageCode() == QStringLiteral("en") || !QFileInfo::exists(page)) page = docs + QStringLiteral("index.html");
  return QUrl::fromLocalFile(page).toString().toStdString();
}

std::string SitePageMissingText(const AppContext& app) {
  const QString page = QUrl(QString::fromStdString(SitePageAddress(app))).toLocalFile();
  return QCoreApplication::translate("TfmMain", "No program is set up to open the manual. Open this file in a web browser:\n%1")
      .arg(page)
      .toStdString();
}

void OpenSitePage(AppContext& app) {
  app.shell.Open(SitePageAddress(app), [&app] { app.services.messages.Show(SitePageMissingText(app)); });
}

TfmMain::TfmMain(AppContext& app, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), app_(app) {
  // A teacher, whose class folder is set and readable, finds CLASS above EXIT; for everyone else
  // the menu is as it always was.
  const bool classShown = app_.handIns && ClassFolderReadable(app_.handIns->ClassFolder());
  const int extra = classShown ? 40 : 0;
  setFixedSize(305, 361 + extra);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, look::kBlack);
  setPalette(palette);

  auto* background =
      new PictureBox(ScreenPicture(QStringLiteral("menu_background.png"), 305, 361), true, this);
  background->setGeometry(0, 0, 305, 361 + extra);
  auto* logo = new PictureBox(ScreenPicture(QStringLiteral("menu_logo.png"), 301, 60), true, this);
  logo->setGeometry(2, 11, 301, 60);

  MakeLabel(this, tr("Typing tutor:"), 104, 3, ArialFont(13), look::kWhite);
  MakeLabel(this, tr("Drifter:"), 8, 64, ArialFont(16), look::kSilver);
  lbPlayer_ =
      MakeLabel(this, QStringLiteral("player"), 88, 64, ArialFont(16, true, true), look::kSilver);
  lbPlayer_->setTextFormat(Qt::PlainText);  // a profile's name is shown as typed, never as markup
  lblevel_ = MakeLabel(this, QString(), 0, 64, ArialFont(16, true, true), look::kSilver);
  SetLevelLabel(TranslatedLevelText("level"));

  btnStart_ = MakeHoverButton(this, tr("START GAME"), {8, 104, 289, 25}, {.fontPx = 16});
  btnProfile_ = MakeHoverButton(this, tr("CHANGE PROFILE"), {8, 144, 289, 25}, {.fontPx = 16});
  btnSound_ = MakeHoverButton(this, TranslatedText("TfmMain", kSoundOnCaption), {8, 184, 289, 25}, {.fontPx = 16});
  btnAbout_ = MakeHoverButton(this, tr("ABOUT"), {8, 224, 289, 25}, {.fontPx = 16});
  btnProgress_ = MakeHoverButton(this, tr("PROGRESS"), {8, 264, 289, 25}, {.fontPx = 16});
  if (classShown) {
    btnClass_ = MakeHoverButton(this, tr("CLASS"), {8, 304, 289, 25}, {.fontPx = 16});
    connect(btnClass_, &QAbstractButton::clicked, this, [this] { ClassClick(); });
  }
  btnExit_ = MakeHoverButton(this, tr("EXIT"), {8, 304 + extra, 289, 25}, {.fontPx = 16});
  connect(btnStart_, &QAbstractButton::clicked, this, [this] { StartGameClick(); });
  connect(btnProfile_, &QAbstractButton::clicked, this, [this] { ChangeProfileClick(); });
  connect(btnSound_, &QAbstractButton::clicked, this, [this] { SoundClick(); });
  connect(btnAbout_, &QAbstractButton::clicked, this, [this] { AboutClick(); });
  connect(btnProgress_, &QAbstractButton::clicked, this, [this] { ProgressClick(); });
  connect(btnExit_, &QAbstractButton::clicked, this, [this] { ExitClick(); });

  lbSite_ = new LinkLabel(TranslatedText("TfmMain", kSiteText), this);
  lbSite_->setFont(ArialFont(11));
  lbSite_->move(110, 336 + extra);
  SetLinkLook(lbSite_, look::kWhite, false);
  lbSite_->OnMouseEnter = [this] { SetLinkLook(lbSite_, look::kYellow, true); };
  lbSite_->OnMouseLeave = [this] { SetLinkLook(lbSite_, look::kWhite, false); };
  lbSite_->OnClick = [this] { lbSiteClick(); };

  lbHelp_ = new LinkLabel(QStringLiteral("?"), this);
  lbHelp_->setFont(ArialFont(16));
  lbHelp_->move(275, 334 + extra);
  SetLinkLook(lbHelp_, look::kSilver, false);
  lbHelp_->OnMouseEnter = [this] { SetLinkLook(lbHelp_, look::kYellow, false); };
  lbHelp_->OnMouseLeave = [this] { SetLinkLook(lbHelp_, look::kSilver, false); };
  lbHelp_->OnClick = [this] { lbHelpClick(); };

  keys_ = new KeyHighlight(this);
  for (TVtxSpdButton* b : {btnStart_, btnProfile_, btnSound_, btnAbout_, btnProgress_, btnClass_, btnExit_}) {
    if (b) keys_->AddButton(b);
  }
  keys_->AddLink(lbSite_);
  keys_->AddLink(lbHelp_);

  setFocusPolicy(Qt::StrongFocus);
  FormCreate();
}

void TfmMain::FormCreate() {
  app_.services.random.ReseedFromClock();
  try {
    if (!app_.shared.playerStore)
      OpenPlayerStore(app_.shared, LoginName(), [this] { SetSoundCaption(); });
    else
      SetSoundCaption();
  } catch (const GameError& e) {
    app_.services.messages.Show(e.what());
  }
  if (!app_.shared.currentPlayer.empty()) {
    SetPlayerLabel(QString::fromStdString(app_.shared.currentPlayer));
    SetLevelLabel(TranslatedLevelText(MenuLevelText(app_.shared)));
  }
}

void TfmMain::SetSoundCaption() {
  btnSound_->setText(TranslatedText("TfmMain", app_.shared.soundOn ? kSoundOnCaption : kSoundOffCaption));
}

void TfmMain::FormShow() { SetLevelLabel(TranslatedLevelText(MenuLevelText(app_.shared))); }

void TfmMain::ShowMenu() {
  if (isVisible()) {
    FormShow();
  } else {
    if (!centred_) {
      CentreOnScreen(this);
      centred_ = true;
    }
    show();
  }
  raise();
  activateWindow();
}

void TfmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!centred_) {
    CentreOnScreen(this);
    centred_ = true;
  }
  if (!event->spontaneous()) FormShow();
}

void TfmMain::SetPlayerLabel(const QString& text) {
  lbPlayer_->setText(text);
  lbPlayer_->adjustSize();
}

void TfmMain::SetLevelLabel(const QString& text) {
  // Right-aligned: the label grows to the left of x 291.
  lblevel_->setText(text);
  lblevel_->adjustSize();
  lblevel_->move(kLevelLabelRight - lblevel_->width(), 64);
}

void TfmMain::StartGameClick() {
  StartGameScreens screens;
  screens.askDifficulty = [this] {
    if (app_.screens.FirstStart) app_.screens.FirstStart->ShowModal();
  };
  screens.showGameScreen = [this] { app_.calls.ShowGameScreen(); };
  screens.hideMenu = [this] { hide(); };
  StartGame(app_.shared, app_.services, *app_.level, screens);
}

void TfmMain::ChangeProfileClick() {
  PlayButtonSound(app_.shared, app_.services);
  if (app_.screens.FmPlayer) app_.screens.FmPlayer->ShowModal();
}

void TfmMain::SoundClick() {
  // The rules know the captions in English; the button shows them in the player's language.
  const std::string caption =
      SwitchSound(app_.shared, app_.services, app_.shared.soundOn ? kSoundOnCaption : kSoundOffCaption);
  btnSound_->setText(TranslatedText("TfmMain", caption));
}

void TfmMain::AboutClick() {
  if (app_.screens.fmAbout) app_.screens.fmAbout->ShowModal();
}

void TfmMain::ProgressClick() {
  PlayButtonSound(app_.shared, app_.services);
  OpenProgress();
}

void TfmMain::OpenProgress() {
  if (!app_.screens.fmProgress) return;
  app_.screens.fmProgress->ShowModal();
  if (app_.screens.fmProgress->PracticeChosen()) app_.calls.BeginPractice();
}

void TfmMain::ClassClick() {
  PlayButtonSound(app_.shared, app_.services);
  if (!app_.handIns) return;
  TfmClass screen(app_, QString::fromStdString(app_.handIns->ClassFolder()), this);
  screen.ShowModal();
  // The keyboard comes back to the menu, with or without a window manager.
  raise();
  activateWindow();
}

void TfmMain::ExitClick() {
  PlayButtonSound(app_.shared, app_.services);
  close();
}

void TfmMain::lbSiteClick() { OpenSitePage(app_); }

void TfmMain::lbHelpClick() {
  if (app_.screens.fmHelp) app_.screens.fmHelp->ShowHelp();
}

void TfmMain::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      btnExit_->click();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btnStart_->click();
      return;
    case Qt::Key_F1:
      lbHelpClick();
      return;
    default:
      event->ignore();
  }
}

TfmMain::~TfmMain() {
  delete keys_;
  keys_ = nullptr;
}
