#pragma once
// Builds resource-only Windows DLLs with the MinGW binutils at test time.
#include <cstdlib>
#include <filesystem>
#include <string>

namespace lumivra::testing {

inline bool HaveTool(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// `prefix` is e.g. "i686-w64-mingw32"; compiles `rcFile` (relative names in it
// are resolved in `dir`) and links `dll`. False when a step fails.
inline bool BuildResourceDll(const std::string& prefix, const std::filesystem::path& dir,
                             const std::string& rcFile, const std::string& dll) {
  const std::string cd = "cd '" + dir.string() + "' && ";
  const std::string res = cd + prefix + "-windres --preprocessor=cat -i '" + rcFile +
                          "' -O coff -o '" + dll + ".o' 2>&1";
  if (std::system(res.c_str()) != 0) return false;
  const std::string link = cd + prefix + "-ld --dll -e 0 -s -o '" + dll + "' '" + dll + ".o' 2>&1";
  return std::system(link.c_str()) == 0;
}

}  // namespace lumivra::testing
