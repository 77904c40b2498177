#include "dialogs/ApplicationError.h"

#include <QApplication>
#include <QMessageBox>

#include "content/Maker.h"

namespace lumivra {

namespace {

ApplicationErrorHandler& Handler() {
  static ApplicationErrorHandler handler;
  return handler;
}

}  // namespace

QString ErrorReportText(const QString& text) {
  return text.endsWith(u'.') ? text : text + u'.';
}

void ShowApplicationError(const QString& text) {
  const QString shown = ErrorReportText(text);
  if (const auto& handler = Handler()) {
    handler(shown);
    return;
  }
  QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), shown, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void SetApplicationErrorHandler(ApplicationErrorHandler handler) { Handler() = std::move(handler); }

}  // namespace lumivra
