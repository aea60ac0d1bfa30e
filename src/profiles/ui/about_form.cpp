// SPDX-License-Identifier: GPL-3.0-or-later
// TfmAbout: the about screen with the game's name, the manual link, credits and version.
#include "profiles/ui/about_form.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include "core/app_context.h"
#include "profiles/ui/main_menu_form.h"
#include "platform/qt/qt_translations.h"
#include "widgets/hover_button_widget.h"
#include "widgets/link_label_widget.h"
#include "widgets/qt_fonts.h"
#include "widgets/qt_key_highlight.h"

namespace {
const char* const kCredits[4] = {QT_TRANSLATE_NOOP("TfmAbout", "Game and levels:"),
                                 QT_TRANSLATE_NOOP("TfmAbout", "the Keyslinger team."),
                                 QT_TRANSLATE_NOOP("TfmAbout", "Pictures and sounds made"),
                                 QT_TRANSLATE_NOOP("TfmAbout", "for this game.")};

// A bevel drawn as a top edge line: a shadow line with a light line under it.
void MakeTopLine(QWidget* parent, int left, int top, int width) {
  auto* shadow = new QFrame(parent);
  shadow->setGeometry(left, top, width, 1);
  shadow->setStyleSheet(QStringLiteral("background: #808080;"));
  auto* light = new QFrame(parent);
  light->setGeometry(left, top + 1, width, 1);
  light->setStyleSheet(QStringLiteral("background: #FFFFFF;"));
}

}  // namespace

TfmAbout::TfmAbout(AppContext& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), app_(app) {
  setFixedSize(234, 269);
  setModal(true);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, look::kWhite);
  setPalette(palette);

  MakeLabel(this, QStringLiteral("KEYSLINGER"), 8, 8, ArialFont(16), look::kNavy);
  MakeTopLine(this, 8, 32, 217);
  lbSite_ = new LinkLabel(TranslatedText("TfmMain", kSiteText).toUpper(), this);
  lbSite_->setFont(ArialFont(16));
  lbSite_->move(8, 40);
  lbSite_->setToolTip(QString::fromStdString(SitePageAddress(app_)));
  SetLinkLook(lbSite_, look::kBlack, false);
  lbSite_->OnMouseEnter = [this] { SetLinkLook(lbSite_, look::kNavy, true); };
  lbSite_->OnMouseLeave = [this] { SetLinkLook(lbSite_, look::kBlack, false); };
  lbSite_->OnClick = [this] { OpenSitePage(app_); };

  MakeTopLine(this, 8, 176, 217);
  for (int i = 0; i < 4; ++i)
    MakeLabel(this, tr(kCredits[i]), 8, 184 + 16 * i, SmallSansFont(), look::kBlack);
  MakeLabel(this, tr("Version %1").arg(QStringLiteral("2.1")), 8, 248, SmallSansFont(), look::kBlack);

  btnOk_ = MakeHoverButton(this, tr("OK"), {168, 184, 57, 73},
                           {.color = look::kSilver, .highlight = look::kBlack});
  connect(btnOk_, &QAbstractButton::clicked, this, [this] { accept(); });
  keys_ = new KeyHighlight(this);
  keys_->AddLink(lbSite_);
  keys_->AddButton(btnOk_);
}

void TfmAbout::ShowModal() {
  // The tooltip names the page as it is now; the game folder is known by the time it shows.
  lbSite_->setToolTip(QString::fromStdString(SitePageAddress(app_)));
  CentreOnScreen(this);
  exec();
}

void TfmAbout::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape close it as OK does; no other key does anything.
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btnOk_->click();
      break;
    default:
      break;
  }
  event->accept();
}

TfmAbout::~TfmAbout() {
  delete keys_;
  keys_ = nullptr;
}
