// SPDX-License-Identifier: GPL-3.0-or-later
// TfmMain: the main window. Shows the current profile and level, starts play, opens the other
// screens, switches sound, and links to the game's manual.
#pragma once
#include <QString>
#include <QWidget>
#include <string>

struct AppContext;
class KeyHighlight;
class LinkLabel;
class QLabel;
class TVtxSpdButton;

// The manual shipped in the game folder, as the site labels name it and as a file:// address.
inline constexpr const char* kSiteText = "keyslinger manual";
std::string SitePageAddress(const AppContext& app);
// Opens the manual with the user's default program; where there is none, a message names the
// manual's file.
void OpenSitePage(AppContext& app);
std::string SitePageMissingText(const AppContext& app);

class TfmMain : public QWidget {
  Q_OBJECT
 public:
  // Creating the menu seeds the random generator and opens Player.ini (FormCreate).
  explicit TfmMain(AppContext& app, QWidget* parent = nullptr);
  // The key highlight goes first: the hiding that destroying a widget begins with must not call
  // back into a link of a form that is already half gone.
  ~TfmMain() override;

  // Shows the menu, or refreshes it when it already shows; either way the level label is read
  // anew (FormShow).
  void ShowMenu();

  // The profile dialog writes these two labels.
  void SetPlayerLabel(const QString& text);
  void SetLevelLabel(const QString& text);

  void StartGameClick();
  void ChangeProfileClick();
  void SoundClick();
  void AboutClick();
  void ProgressClick();
  // CLASS: the class folder's CLASS screen.
  void ClassClick();
  // Shows PROGRESS; practice begins when the player chose it there.
  void OpenProgress();
  void ExitClick();
  void lbSiteClick();
  void lbHelpClick();

  QLabel* LbPlayer() const { return lbPlayer_; }
  QLabel* Lblevel() const { return lblevel_; }
  LinkLabel* LbSite() const { return lbSite_; }
  LinkLabel* LbHelp() const { return lbHelp_; }
  TVtxSpdButton* BtnStartGame() const { return btnStart_; }
  TVtxSpdButton* BtnChangeProfile() const { return btnProfile_; }
  TVtxSpdButton* BtnSound() const { return btnSound_; }
  TVtxSpdButton* BtnAbout() const { return btnAbout_; }
  TVtxSpdButton* BtnExit() const { return btnExit_; }
  TVtxSpdButton* BtnProgress() const { return btnProgress_; }
  // Made only when a class folder is set and this user may read it; null otherwise.
  TVtxSpdButton* BtnClass() const { return btnClass_; }
  const KeyHighlight& Keys() const { return *keys_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void SetSoundCaption();

  AppContext& app_;
  bool centred_ = false;
  QLabel* lbPlayer_ = nullptr;
  QLabel* lblevel_ = nullptr;
  LinkLabel* lbSite_ = nullptr;
  LinkLabel* lbHelp_ = nullptr;
  TVtxSpdButton* btnStart_ = nullptr;
  TVtxSpdButton* btnProfile_ = nullptr;
  TVtxSpdButton* btnSound_ = nullptr;
  TVtxSpdButton* btnAbout_ = nullptr;
  TVtxSpdButton* btnExit_ = nullptr;
  TVtxSpdButton* btnProgress_ = nullptr;
  TVtxSpdButton* btnClass_ = nullptr;
  KeyHighlight* keys_ = nullptr;
};
