#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lumivra {

inline constexpr uint16_t kResourceTypeHtml = 23;

// A resource-only PE32 or PE32+ module opened for reading its resources.
// Every header, directory, offset and size is checked when the file is opened;
// a file that fails any check is refused as a whole. An opened file stays
// open, its resources read from it as they are asked for.
class PeResourceFile {
public:
  // nullptr when the file is missing, unreadable, or not a sound PE file;
  // `error` then says why.
  static std::unique_ptr<PeResourceFile> Open(const std::string& path, std::string* error = nullptr);
  static std::unique_ptr<PeResourceFile> FromBytes(std::string bytes, std::string* error = nullptr);

  ~PeResourceFile();
  PeResourceFile(const PeResourceFile&) = delete;
  PeResourceFile& operator=(const PeResourceFile&) = delete;

  // The bytes of the resource named `name` (any letter case) of `type`
  // (first language); nullopt when absent (or no longer in an opened file).
  std::optional<std::string> FindResource(std::string_view name, uint16_t type) const;

private:
  struct Impl;
  explicit PeResourceFile(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace lumivra
