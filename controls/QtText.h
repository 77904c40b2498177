#pragma once
// The window boundary: Windows-1252 text of the core to Qt's Unicode and back.
#include <QString>
#include <string>

#include "content/Cp1252.h"

namespace lumivra {

inline QString FromCp1252(const std::string& text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}

// Characters the code page lacks become "?", as the platform's conversion does.
inline std::string ToCp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (char32_t cp : text.toUcs4()) out += CodePointToCp1252(cp).value_or('?');
  return out;
}

// A soft hyphen drawn as a hyphen, as the platform's list controls show the
// chapter names that hold one; Qt would hide it.
inline QString WithVisibleSoftHyphens(QString text) {
  return text.replace(QChar(0x00AD), QLatin1Char('-'));
}

}  // namespace lumivra
