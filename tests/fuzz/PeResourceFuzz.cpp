// Any bytes as a whole core file: refused, or opened and read as the reader
// reads it.
#include <cstdint>
#include <string>

#include "content/PeResourceFile.h"
#include "content/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto file = lumivra::PeResourceFile::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
  if (!file) return 0;
  for (const char* name : {"ETR1", "etr2", "A1", "TL114", "SI11314", "#1", "", "\xE9"}) {
    for (const uint16_t type : {lumivra::kResourceTypeHtml, uint16_t{1}, uint16_t{0xFFFF}}) {
      const auto bytes = file->FindResource(name, type);
      if (bytes) lumivra::SplitLines(*bytes);
    }
  }
  return 0;
}
