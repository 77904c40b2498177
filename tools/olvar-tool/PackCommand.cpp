#include <iostream>

#include "tools/ContentPacker.h"
#include "tools/olvar-tool/Commands.h"

namespace lumivra::tool {

// Packs the content package's dist folder into the four core files.
int RunPack(const Args& args) {
  if (args.size() != 2) return Fail("usage: olvar-tool pack SOURCE_DIR OUT_DIR");
  try {
    const PackSummary s = PackContentFolder(args[0], args[1]);
    std::cout << "Packed " << s.chapters << " chapters, " << s.verses << " verses into " << args[1] << '\n';
  } catch (const PackError& e) {
    return Fail(std::string("pack: ") + e.what());
  }
  return 0;
}

}  // namespace lumivra::tool
