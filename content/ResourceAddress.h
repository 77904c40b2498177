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

// A written page: `body` under the built-in style sheet.
inline std::string StyledPage(std::string_view body) {
  static const std::string head =
      "<HTML><HEAD><link rel=\"stylesheet\" href=\"" + ResourceUrl("styles_css") + "\"></HEAD><BODY>";
  constexpr std::string_view kTail = "</BODY></HTML>";
  std::string out;
  out.reserve(head.size() + body.size() + kTail.size());
  out += head;
  out += body;
  out += kTail;
  return out;
}

}  // namespace lumivra
