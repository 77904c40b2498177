#pragma once
#include <span>

#include "content/EmbeddedBytes.h"
#include "pages/PageResources.h"

namespace lumivra::detail {

// Filled by the generated source (tools/embed_resources.py).
extern const std::span<const PageResource> kPageResources;
extern const std::span<const NamedBytes> kScripts;  // JavaScript source

}  // namespace lumivra::detail
