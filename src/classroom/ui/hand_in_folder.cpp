// SPDX-License-Identifier: GPL-3.0-or-later
// HAND IN's question: the folder a hand-in goes to.
#include "classroom/ui/hand_in_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

QString ChooseHandInFolder(QWidget* parent) {
  return QFileDialog::getExistingDirectory(
      parent, QCoreApplication::translate("HandIn", "Hand in your progress to this folder"),
      QDir::homePath());
}
