#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumivra {

// The one integer conversion of the system: leading blanks, an optional sign,
// then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// Nothing may follow the digits. Values outside 32 bits fail.
std::optional<int32_t> ParseInt(const std::string& text);

// As ParseInt, but a failure gives `fallback`.
int32_t ParseIntDef(const std::string& text, int32_t fallback);

// A number as a key or a command line names a chapter: plain decimal digits,
// no sign, blank or leading zero, from 1 to `max`.
std::optional<int32_t> PlainNumber(std::string_view text, int32_t max);

}  // namespace lumivra
