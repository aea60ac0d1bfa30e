// Message boxes over QMessageBox, captioned with the program's title.
#include "platform/qt_message_boxes.h"

#include <QMessageBox>

void QtMessageBoxes::Show(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle),
                  QString::fromStdString(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}
