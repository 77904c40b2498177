#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lumivra {

// Builds a resource-only PE32 DLL (i386, no code, no entry point) holding
// named resources in one ".rsrc" section, language 0x0409.
class PeResourceWriter {
public:
  // Adds resource `name` of `type`. Names are printable ASCII without blanks,
  // not starting with "#" (the loader's mark of an id), and are stored upper
  // case, as the resource compiler stores them; two names that differ only
  // in case are the same name. Throws std::invalid_argument for type 0, an
  // empty or unsuitable name, or a name given twice for the same type.
  void Add(uint16_t type, const std::string& name, std::string bytes);

  // The bytes of the DLL. Throws std::length_error if the image would pass
  // the size a PE32 file can describe.
  std::string Build() const;

  size_t Count() const { return resources_.size(); }

private:
  struct Resource {
    uint16_t type;
    std::u16string name;  // upper case
    std::string bytes;
  };
  std::vector<Resource> resources_;
};

}  // namespace lumivra
