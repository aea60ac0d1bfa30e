// SPDX-License-Identifier: GPL-3.0-or-later
// TfmAbout: the about screen with the game's name, the manual link, credits and version.
#pragma once
#include <QDialog>

struct AppContext;
class KeyHighlight;
class LinkLabel;
class TVtxSpdButton;

class TfmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfmAbout(AppContext& app, QWidget* parent = nullptr);
  // The key highlight goes first: the hiding that destroying a widget begins with must not call
  // back into a link of a form that is already half gone.
  ~TfmAbout() override;

  void ShowModal();
  LinkLabel* LbSite() const { return lbSite_; }
  TVtxSpdButton* BtnOk() const { return btnOk_; }
  const KeyHighlight& Keys() const { return *keys_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  AppContext& app_;
  LinkLabel* lbSite_ = nullptr;
  TVtxSpdButton* btnOk_ = nullptr;
  KeyHighlight* keys_ = nullptr;
};
