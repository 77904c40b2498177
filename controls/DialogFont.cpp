#include "controls/DialogFont.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace lumivra {

namespace {

void RegisterTahoma() {
  static bool done = false;
  if (done || !QGuiApplication::instance()) return;
  done = true;
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return;
  // Only the regular face: its bold companion is barely heavier, so bold is
  // the regular face emboldened.
  const QString path = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
  if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
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
  // Emboldened strokes need the wider spacing of a true bold face.
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
  return font;
}

}  // namespace lumivra
