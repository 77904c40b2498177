#pragma once
#include <optional>
#include <span>
#include <string_view>

namespace lumivra {

// A file built into the program (tools/embed_resources.py writes the tables).
struct NamedBytes {
  std::string_view name;  // e.g. "page_compat", "tree0", "tool_home"
  std::string_view bytes;
};

// The bytes of the entry named exactly `name`; nullopt when there is none.
inline std::optional<std::string_view> FindNamedBytes(std::span<const NamedBytes> table, std::string_view name) {
  for (const NamedBytes& entry : table) {
    if (entry.name == name) return entry.bytes;
  }
  return std::nullopt;
}

}  // namespace lumivra
