#include "dialogs/ApplicationError.h"

#include <QApplication>
#include <QMessageBox>

#include "content/Maker.h"
#include "controls/DialogFrame.h"

namespace lumivra {

QString ErrorReportText(const QString& text) {
  return text.endsWith(u'.') ? text : text + u'.';
}

void ShowApplicationError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), ErrorReportText(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  UseFixedDialogFrame(box);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace lumivra
