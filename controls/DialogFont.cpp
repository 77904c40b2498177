#include "DialogFont.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace {

void RegisterTahoma() {
  static bool done = false;
  if (done || !QGuiApplication::instance()) return;
  done = true;
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return;
  for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
    const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
    if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
  }
}

}  // namespace

QFont DialogFont() {
  RegisterTahoma();
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  font.setBold(false);
  return font;
}

QFont BoldDialogFont() {
  QFont font = DialogFont();
  font.setBold(true);
  return font;
}
