#pragma once
#include <string>

class QLocale;

namespace lumivra {

// The date and time separators of `locale`'s short formats ("/" and ":" when
// a format has none).
std::string LocaleDateSeparator(const QLocale& locale);
std::string LocaleTimeSeparator(const QLocale& locale);

// The header timestamp of a settings file saved now, with the separators of
// the system locale.
std::string SettingsTimestampNow();

}  // namespace lumivra
