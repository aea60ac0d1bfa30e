// TFmPlayer: the profile dialog. Adds, deletes and chooses profiles, chooses the level START GAME
// plays and the profile's difficulty; every change is written to Player.ini at once.
#pragma once
#include <QDialog>
#include <string>

struct AppContext;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class TVtxSpdButton;

class TFmPlayer : public QDialog {
  Q_OBJECT
public:
  explicit TFmPlayer(AppContext& app, QWidget* parent = nullptr);

  void ShowModal();

  // With a name: creates that profile when it is new, makes it current and shows it here and on
  // the main menu. With an empty name: reloads the players list and shows the current profile.
  // Throws GameError when Player.ini cannot be written.
  void SelectProfile(const std::string& name);

  void AddClick();
  void DeleteClick();
  void OkClick();

  QListWidget* MemoPlayer() const { return memoPlayer_; }
  QListWidget* MemoLevels() const { return memoLevels_; }
  QLineEdit* EdPlayer() const { return edPlayer_; }
  QLabel* Lbcurlevel() const { return lbcurlevel_; }
  QComboBox* CBUp() const { return cbUp_; }
  TVtxSpdButton* BtnAdd() const { return btnAdd_; }
  TVtxSpdButton* BtnDelete() const { return btnDelete_; }
  TVtxSpdButton* BtnOk() const { return btnOk_; }

  void done(int result) override;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void FormShow();
  void FormClose();
  void MemoPlayerClick();
  void MemoLevelsClick();
  void CBUpChange();
  // Runs a handler; a failed write is shown and ends that handler.
  template <typename F> void Guarded(F&& handler);
  void SelectDifficulty(const std::string& up);
  void SetLevelLabel(const QString& text);
  void FillLevels(int32_t count);
  void SetMenuLabels(const QString& player, const QString& level);
  bool FormKeyDown(int key, QObject* focus);

  AppContext& app_;
  bool filling_ = false;  // list changes made by the dialog itself are not choices
  QListWidget* memoPlayer_ = nullptr;
  QListWidget* memoLevels_ = nullptr;
  QLineEdit* edPlayer_ = nullptr;
  QLabel* lbcurlevel_ = nullptr;
  QComboBox* cbUp_ = nullptr;
  TVtxSpdButton* btnAdd_ = nullptr;
  TVtxSpdButton* btnDelete_ = nullptr;
  TVtxSpdButton* btnOk_ = nullptr;
};
