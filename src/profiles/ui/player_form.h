// SPDX-License-Identifier: GPL-3.0-or-later
// TFmPlayer: the profile dialog. Draws the profile dialog's rules and forwards clicks and keys.
#pragma once
#include <QDialog>
#include <memory>
#include <string>

struct AppContext;
class KeyHighlight;
class ProfileDialog;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class TVtxSpdButton;

class TFmPlayer : public QDialog {
  Q_OBJECT
 public:
  explicit TFmPlayer(AppContext& app, QWidget* parent = nullptr);
  ~TFmPlayer() override;

  void ShowModal();

  void AddClick();
  void DeleteClick();
  void OkClick();

  const ProfileDialog& Rules() const { return *rules_; }
  QListWidget* MemoPlayer() const { return Built().memoPlayer_; }
  QListWidget* MemoLevels() const { return Built().memoLevels_; }
  QLineEdit* EdPlayer() const { return Built().edPlayer_; }
  QLabel* Lbcurlevel() const { return Built().lbcurlevel_; }
  QComboBox* CBUp() const { return Built().cbUp_; }
  TVtxSpdButton* BtnAdd() const { return Built().btnAdd_; }
  TVtxSpdButton* BtnDelete() const { return Built().btnDelete_; }
  TVtxSpdButton* BtnOk() const { return Built().btnOk_; }
  const KeyHighlight& Keys() const { return *Built().keys_; }

  void setVisible(bool visible) override;
  // Every way of closing passes here, so the difficulty is written once on the way out.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Makes the controls, once.
  void Build();
  TFmPlayer& Built() const;
  void Render();
  bool FormKeyDown(int key, QObject* focus);

  AppContext& app_;
  std::unique_ptr<ProfileDialog> rules_;
  bool built_ = false;
  bool rendering_ = false;
  bool mousePressOnPlayers_ = false;  // between a press on the players list and its pressed()
  int nameFieldSets_ = 0;  // the rules' name last put into the field; typing is kept otherwise  //
                           // list changes made while drawing are not the player's choices
  QListWidget* memoPlayer_ = nullptr;
  QListWidget* memoLevels_ = nullptr;
  QLineEdit* edPlayer_ = nullptr;
  QLabel* lbcurlevel_ = nullptr;
  QComboBox* cbUp_ = nullptr;
  TVtxSpdButton* btnAdd_ = nullptr;
  TVtxSpdButton* btnDelete_ = nullptr;
  TVtxSpdButton* btnOk_ = nullptr;
  KeyHighlight* keys_ = nullptr;
};
