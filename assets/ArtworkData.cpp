#include "assets/ArtworkData.h"

#include <span>

#include "content/EmbeddedBytes.h"

namespace lumivra {

namespace detail {
// The pictures, filled by the generated source (tools/embed_resources.py).
extern const std::span<const NamedBytes> kArtwork;
}  // namespace detail

std::optional<std::string_view> FindArtwork(std::string_view name) {
  return FindNamedBytes(detail::kArtwork, name);
}

}  // namespace lumivra
