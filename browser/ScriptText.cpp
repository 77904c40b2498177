#include "browser/ScriptText.h"

#include <cstdio>
#include <span>
#include <string_view>

#include "content/EmbeddedBytes.h"

namespace lumivra {

namespace detail {
// The scripts of browser/resources, filled by the generated source
// (tools/embed_resources.py).
extern const std::span<const NamedBytes> kDocumentScripts;
}  // namespace detail

namespace {

// The script file `name` of browser/resources.
std::string_view ScriptFile(std::string_view name) {
  return FindNamedBytes(detail::kDocumentScripts, name).value_or("");
}

// The script file `name` with its one argument, written LUMIVRA_TEXT in the
// file, replaced by the script text `argument`.
std::string WithArgument(std::string_view name, const std::string& argument) {
  constexpr std::string_view kArgument = "LUMIVRA_TEXT";
  const std::string_view script = ScriptFile(name);
  const size_t at = script.find(kArgument);
  if (at == std::string_view::npos) return std::string(script);
  std::string out;
  out.reserve(script.size() + argument.size());
  out.append(script.substr(0, at));
  out += argument;
  out.append(script.substr(at + kArgument.size()));
  return out;
}

}  // namespace

std::string JsStringLiteral(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size() + utf8.size() / 8 + 2);
  out += '"';
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '<':
        // "</script" must never close an enclosing script element.
        if (i + 1 < utf8.size() && utf8[i + 1] == '/') out += "\\x3C";
        else out += '<';
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", c);
          out += buf;
        } else if (c == 0xE2 && i + 2 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ||
                    static_cast<unsigned char>(utf8[i + 2]) == 0xA9)) {
          out += static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
          i += 2;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
  return out;
}

std::string WriteDocumentScript(const std::string& pageUtf8) {
  return WithArgument("write_document.js", JsStringLiteral(pageUtf8));
}

std::string PagePresentationScript(std::string_view styleSheet) {
  return WithArgument("page_presentation.js", JsStringLiteral(std::string(ScriptFile("page_presentation.css"))) +
                                                  "," + JsStringLiteral(std::string(styleSheet)));
}

std::string PageAccessScript() { return std::string(ScriptFile("page_access.js")); }

std::string_view PageCompatScript() { return ScriptFile("page_compat.js"); }

std::string FocusSelectedVerseScript() { return std::string(ScriptFile("focus_selected_verse.js")); }

std::string SetBodyHtmlScript(const std::string& htmlUtf8) {
  return WithArgument("set_body_html.js", JsStringLiteral(htmlUtf8));
}

std::string ClearSelectionScript() { return std::string(ScriptFile("clear_selection.js")); }

std::string ReadyStateScript() { return std::string(ScriptFile("ready_state.js")); }

std::string ScrollToTopScript() { return std::string(ScriptFile("scroll_to_top.js")); }

std::string FindSelectScript(const std::string& textUtf8) {
  return WithArgument("find_select.js", JsStringLiteral(textUtf8));
}

std::string MarkPaintedScript(unsigned number) {
  return WithArgument("mark_painted.js", std::to_string(number));
}

std::string PaintedMarkScript() { return std::string(ScriptFile("painted_mark.js")); }

}  // namespace lumivra
