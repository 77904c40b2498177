#pragma once
#include <string>
#include <string_view>

namespace lumivra {

// Every built-in page, style sheet and picture is served under this address
// (browser/ResSchemeHandler): res://Olvar.exe/<name>. The style sheet takes
// it as its placeholder @kResourceRoot@.
inline constexpr char kResourceRoot[] = "res://Olvar.exe/";

// The address of the built-in page, style sheet or picture `name`.
inline std::string ResourceUrl(std::string_view name) { return kResourceRoot + std::string(name); }

}  // namespace lumivra
