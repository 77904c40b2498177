#include "tools/LineEncoding.h"

#include <cstdio>

#include "content/Cp1252.h"
#include "tools/ContentSource.h"

namespace lumivra {
namespace {

template <typename Emit>
void ForEachCodePoint(const std::string& utf8, const std::string& where, Emit emit) {
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    if (!DecodeUtf8(utf8, i, cp)) throw PackError(where + " is not valid UTF-8");
    if (cp == '\r' || cp == '\n' || cp == 0)
      throw PackError(where + " holds a line break or NUL (" + CodePointName(cp) + ")");
    if ((cp < 0x20 && cp != '\t') || cp == 0x7F)
      throw PackError(where + " holds the control character " + CodePointName(cp));
    emit(cp);
  }
}

// The source writes the open (successive) tanween with the older marks
// U+0657, U+065E and U+0656; Qur'anic fonts draw them from the dedicated
// code points U+08F0 (fathatan), U+08F1 (dammatan) and U+08F2 (kasratan).
char32_t OpenTanween(char32_t cp) {
  switch (cp) {
    case 0x0657: return 0x08F0;
    case 0x065E: return 0x08F1;
    case 0x0656: return 0x08F2;
    default: return cp;
  }
}

}  // namespace

std::string CodePointName(char32_t cp) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
  return buf;
}

std::string EncodeArabicLine(const std::string& utf8, const std::string& where) {
  std::string out;
  out.reserve(utf8.size() * 4);
  ForEachCodePoint(utf8, where, [&](char32_t cp) {
    cp = OpenTanween(cp);
    if (cp < 0x80 && cp != '<' && cp != '>' && cp != '&' && cp != '"') {
      out += static_cast<char>(cp);
    } else {
      out += "&#";
      out += std::to_string(static_cast<unsigned long>(cp));
      out += ';';
    }
  });
  return out;
}

std::string EncodeCp1252Line(const std::string& utf8, const std::string& where) {
  std::string out;
  out.reserve(utf8.size());
  ForEachCodePoint(utf8, where, [&](char32_t cp) {
    if (cp == '<' || cp == '&')
      throw PackError(where + " holds the markup character '" + static_cast<char>(cp) +
                      "', which the page would not show as text");
    const auto b = CodePointToCp1252(cp);
    if (!b || (cp >= 0x80 && cp < 0xA0))
      throw PackError(where + " holds " + CodePointName(cp) + ", which Windows-1252 cannot hold");
    out += *b;
  });
  return out;
}

}  // namespace lumivra
