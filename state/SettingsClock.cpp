#include "state/SettingsClock.h"

#include <QDateTime>
#include <QLocale>

#include <ctime>

#include "content/Cp1252.h"
#include "state/Settings.h"

namespace lumivra {

namespace {

// The first character of a format that is neither a pattern letter, a blank
// nor quoted text.
std::string FirstSeparator(const QString& format, const char* fallback) {
  bool quoted = false;
  for (const QChar c : format) {
    if (c == u'\'') {
      quoted = !quoted;
      continue;
    }
    if (quoted || c.isLetter() || c.isSpace()) continue;
    if (auto byte = CodePointToCp1252(c.unicode())) return std::string(1, *byte);
    break;
  }
  return fallback;
}

}  // namespace

std::string LocaleDateSeparator(const QLocale& locale) {
  return FirstSeparator(locale.dateFormat(QLocale::ShortFormat), "/");
}

std::string LocaleTimeSeparator(const QLocale& locale) {
  return FirstSeparator(locale.timeFormat(QLocale::ShortFormat), ":");
}

std::string SettingsTimestampNow() {
  const QDateTime now = QDateTime::currentDateTime();
  std::tm when{};
  when.tm_year = now.date().year() - 1900;
  when.tm_mon = now.date().month() - 1;
  when.tm_mday = now.date().day();
  when.tm_hour = now.time().hour();
  when.tm_min = now.time().minute();
  when.tm_sec = now.time().second();
  const QLocale locale = QLocale::system();
  return FormatSettingsTimestamp(when, LocaleDateSeparator(locale), LocaleTimeSeparator(locale));
}

}  // namespace lumivra
