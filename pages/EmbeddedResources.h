#pragma once
#include <span>
#include <string_view>

#include "pages/PageResources.h"

namespace lumivra::detail {

struct NamedBytes {
  std::string_view name;  // e.g. "page_compat", "tree0", "tool_home"
  std::string_view bytes;
};

// Filled by the generated source (embed_resources.py).
extern const std::span<const PageResource> kPageResources;
extern const std::span<const NamedBytes> kScripts;  // JavaScript source
extern const std::span<const NamedBytes> kArtwork;  // PNG data

}  // namespace lumivra::detail
