#include "content/ContentError.h"
#include "content/PeResourceFile.h"
#include "tools/olvar-tool/Commands.h"

namespace lumivra::tool {

// Writes the raw bytes of one type-23 resource of a core file.
int RunResource(const Args& args) {
  if (args.size() != 2) return Fail("usage: olvar-tool resource FILE NAME");
  const std::string& path = args[0];
  const std::string& name = args[1];
  std::string error;
  auto file = PeResourceFile::Open(path, &error);
  if (!file) return Fail("cannot open core file " + error);
  auto bytes = file->FindResource(name, kResourceTypeHtml);
  if (!bytes) throw ContentError("Resource " + name + " not found");
  WriteOut(*bytes);
  return 0;
}

}  // namespace lumivra::tool
