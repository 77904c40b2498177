#include "pages/PageResources.h"

#include "pages/EmbeddedResources.h"

namespace lumivra {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

}  // namespace

const PageResource* FindPageResource(std::string_view name, int type) {
  for (const PageResource& r : detail::kPageResources) {
    if (r.type == type && SameIgnoringCase(r.name, name)) return &r;
  }
  return nullptr;
}

std::optional<std::string_view> FindPageScript(std::string_view name) {
  return FindNamedBytes(detail::kScripts, name);
}

}  // namespace lumivra
