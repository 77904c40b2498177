#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace lumivra {

// The one integer conversion of the system: leading blanks, an optional sign,
// then decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// Nothing may follow the digits. Values outside 32 bits fail.
std::optional<int32_t> ParseInt(const std::string& text);

// As ParseInt, but a failure gives `fallback`.
int32_t ParseIntDef(const std::string& text, int32_t fallback);

}  // namespace lumivra
