#include "content/Cp1252.h"

#include <array>

namespace lumivra {
namespace {

// Code points of bytes 0x80 … 0x9F; the five bytes with no character keep
// their value.
constexpr std::array<char16_t, 32> kHigh{
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
    0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char16_t Cp1252CodePoint(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : byte;
}

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (unsigned char b : text) AppendUtf8(out, Cp1252CodePoint(b));
  return out;
}

std::optional<char> CodePointToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

bool DecodeUtf8(std::string_view text, size_t& i, char32_t& cp) {
  const size_t n = text.size();
  if (i >= n) return false;
  const unsigned char b = static_cast<unsigned char>(text[i]);
  size_t len;
  char32_t value;
  if (b < 0x80) {
    value = b;
    len = 1;
  } else if ((b & 0xE0) == 0xC0) {
    value = b & 0x1F;
    len = 2;
  } else if ((b & 0xF0) == 0xE0) {
    value = b & 0x0F;
    len = 3;
  } else if ((b & 0xF8) == 0xF0) {
    value = b & 0x07;
    len = 4;
  } else {
    return false;
  }
  if (n - i < len) return false;
  for (size_t k = 1; k < len; ++k) {
    const unsigned char c = static_cast<unsigned char>(text[i + k]);
    if ((c & 0xC0) != 0x80) return false;
    value = (value << 6) | (c & 0x3F);
  }
  // Overlong forms, surrogates and values beyond U+10FFFF are malformed.
  static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kMinimum[len] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
    return false;
  cp = value;
  i += len;
  return true;
}

std::optional<std::string> Utf8ToCp1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    if (!DecodeUtf8(text, i, cp)) return std::nullopt;
    auto byte = CodePointToCp1252(cp);
    if (!byte) return std::nullopt;
    out += *byte;
  }
  return out;
}

}  // namespace lumivra
