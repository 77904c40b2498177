#include "pages/PageResources.h"

#include <span>

namespace lumivra {

namespace detail {
// Filled by the generated source (tools/embed_resources.py).
extern const std::span<const PageResource> kPageResources;
}  // namespace detail

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

}  // namespace lumivra
