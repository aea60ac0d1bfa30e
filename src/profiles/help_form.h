// TfmHelp: the help window, a resizable tool window showing the help page picture.
#pragma once
#include <QWidget>

struct AppContext;

class TfmHelp : public QWidget {
  Q_OBJECT
 public:
  explicit TfmHelp(AppContext& app, QWidget* parent = nullptr);

  // Shows the window centred, or brings it to the front when it is already open.
  void ShowHelp();

 protected:
  void moveEvent(QMoveEvent* event) override;

 private:
  bool shownBefore_ = false;
  bool snapping_ = false;
};
