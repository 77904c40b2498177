#include "content/IntConvert.h"

#include <limits>

namespace lumivra {

std::optional<int32_t> ParseInt(const std::string& text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < n && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < n && (text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= n) return std::nullopt;

  // Accumulate as a magnitude; the negative range reaches one further.
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  uint64_t value = 0;
  for (; i < n; ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    // Hexadecimal may name the full 32-bit pattern ($FFFFFFFF is -1).
    if (base == 16 ? value > 0xFFFFFFFFull : value > limit) return std::nullopt;
  }
  int64_t signedValue;
  if (base == 16 && value > 0x7FFFFFFFull)
    signedValue = static_cast<int64_t>(value) - (int64_t{1} << 32);
  else
    signedValue = static_cast<int64_t>(value);
  if (negative) signedValue = -signedValue;
  if (signedValue < std::numeric_limits<int32_t>::min() ||
      signedValue > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(signedValue);
}

int32_t ParseIntDef(const std::string& text, int32_t fallback) {
  return ParseInt(text).value_or(fallback);
}

std::optional<int32_t> PlainNumber(std::string_view text, int32_t max) {
  if (text.empty() || text.size() > 9 || text[0] == '0') return std::nullopt;
  int32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > max) return std::nullopt;
  return value;
}

}  // namespace lumivra
