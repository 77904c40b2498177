#pragma once
#include <span>
#include <string_view>

#include "PageResources.h"

namespace lumivra::detail {

struct ArtworkEntry {
  std::string_view name;  // e.g. "tree0", "tool_home"
  std::string_view bytes;  // PNG data
};

// Filled by the generated source (embed_resources.py).
extern const std::span<const PageResource> kPageResources;
extern const std::span<const ArtworkEntry> kArtwork;

}  // namespace lumivra::detail
