#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumivra {

// The code point of a Windows-1252 byte; the five bytes the code page leaves
// undefined stand for the C1 control characters of the same value.
char16_t Cp1252CodePoint(unsigned char byte);

// Windows-1252 bytes to UTF-8. Bytes the code page leaves undefined map to
// the C1 control characters of the same value, as the platform does.
std::string Cp1252ToUtf8(const std::string& text);

// UTF-8 to Windows-1252; nullopt when a character has no Windows-1252 byte or
// the UTF-8 is malformed.
std::optional<std::string> Utf8ToCp1252(const std::string& text);

// Decodes the UTF-8 code point at `i` into `cp` and moves `i` past it; false
// for a malformed, truncated or overlong sequence, a surrogate, or a value
// beyond U+10FFFF (`i` is then left as it was).
bool DecodeUtf8(std::string_view text, size_t& i, char32_t& cp);

// The byte for one code point, if Windows-1252 has one.
std::optional<char> CodePointToCp1252(char32_t cp);

}  // namespace lumivra
